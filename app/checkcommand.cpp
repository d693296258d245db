#include "app/checkcommand.h"

#include "app/sendcommand.h"
#include "files/datafile.h"
#include "model/mainview.h"
#include "model/programoverview.h"
#include "model/translation.h"

#include <ostream>

int RunCheck(const std::string& file, std::ostream& out, std::ostream& err)
{
    SetsBuffer loaded;
    if (LoadDataFile(loaded, DataFileToOpen(file)) != FileResult::Done) {
        err << "halvex: "
            << FormatText(Translate("CheckCommand",
                                    "%s: File I/O Error ! (it is missing or cannot be read)")
                              .c_str(),
                          file.c_str())
            << "\n";
        return FileErrorStatus;
    }
    // The window shows a program as soon as it is loaded, and showing rewrites day bytes that
    // are no day code: the checks name those rewrites, as the window's list does.
    SetsBuffer shown = loaded;
    EditState state;
    ShowLoadedProgram(shown, state);
    const std::vector<DayByteRewrite> rewrites = DayBytesRewritten(loaded, shown, state.layout);
    const ProgramOverview overview = OverviewOf(shown, state.layout, rewrites);
    for (const Finding& finding : overview.findings)
        out << finding.text << "\n";
    return overview.findings.empty() ? 0 : 1;
}
