#include "print/programtext.h"

#include "model/mainview.h"
#include "print/report.h"

std::vector<std::string> ProgramText(SetsBuffer& buffer)
{
    EditState state;
    const MainView view = ShowLoadedProgram(buffer, state);
    std::vector<std::string> text{StatusLine(view.status), ""};
    text.insert(text.end(), view.stepLines.begin(), view.stepLines.end());
    text.emplace_back();
    text.insert(text.end(), view.annualLines.begin(), view.annualLines.end());
    return text;
}
