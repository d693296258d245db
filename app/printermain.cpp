#include "app/sendcommand.h"
#include "app/translations.h"
#include "app/windowmodule.h"
#include "files/datafile.h"
#include "files/rawfile.h"
#include "model/annualeditor.h"
#include "model/mainview.h"
#include "model/setsbuffer.h"
#include "model/translation.h"
#include "print/report.h"
#include "ui/qtprintbackend.h"
#include "ui/windowstyle.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include <cstdio>

#include <exception>
#include <span>

// The printer's module: Qt's printing library and what draws the report with it. The window
// loads it on its first print, "halvex print" when it runs.

PrintBackend* HalvexMakePrintBackend()
{
    return new QtPrintBackend;
}

namespace {

// A PDF that Qt has written to the end closes with this mark; a full disk cuts it off before.
bool IsWholePdf(const QByteArray& bytes)
{
    return bytes.trimmed().endsWith("%%EOF");
}

// The PDF Qt wrote into the scratch file, put in place as a save puts a program file: whole or
// not at all, never through another user's link, never into a device or a pipe.
int PutPdf(const QString& written, const char* pdf)
{
    QFile file(written);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (!IsWholePdf(bytes)) {
        std::fprintf(stderr, "halvex: %s\n",
                     FormatText(Translate("PrintCommand", "the report could not be made (is the "
                                                          "disk full?); %s is left as it was.")
                                    .c_str(),
                                pdf)
                         .c_str());
        return UsageStatus;
    }
    const FileResult put =
        ReplaceFile(pdf, std::span(reinterpret_cast<const Byte*>(bytes.constData()),
                                   std::size_t(bytes.size())));
    if (put != FileResult::Done) {
        std::fprintf(stderr, "halvex: %s\n", DescribeFileResult(put, pdf).c_str());
        return UsageStatus;
    }
    return 0;
}

} // namespace

// The report is drawn with the window's own face, so the page is the page File > Print makes.
// A PDF is drawn into a scratch file first and then put in its place.
int HalvexPrintReport(int* argc, char** argv, const char* file, const char* pdf,
                      const char* printerName)
{
    TranslateCommandLine(); // until the application is made
    SetsBuffer program;
    if (const std::string why = LoadProgramFile(program, file); !why.empty()) {
        std::fprintf(stderr, "halvex: %s\n", why.c_str());
        return FileErrorStatus;
    }
    // Fonts need a GUI application; the offscreen platform gives one without any display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(*argc, argv);
    LoadTranslations();
    QPrinter printer(QPrinter::HighResolution);
    const QTemporaryDir scratch;
    const QString drawn = scratch.filePath(QStringLiteral("report.pdf"));
    if (*pdf == '\0') {
        printer.setPrinterName(QString::fromLocal8Bit(printerName));
    } else {
        if (!scratch.isValid()) {
            std::fprintf(stderr, "halvex: %s\n",
                         qUtf8Printable(QCoreApplication::translate(
                                            "PrintCommand", "no scratch folder for the report: %1")
                                            .arg(scratch.errorString())));
            return UsageStatus;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(drawn);
    }
    EditState state;
    ShowLoadedProgram(program, state); // as the window holds it when File > Print runs
    try {
        QtPrintJob job(printer);
        DrawReport(
            job, WindowFont(),
            LayoutReport(program, state.layout, LoadStatusControls(program), job.verticalDpi()));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "halvex print: %s\n", error.what());
        return UsageStatus;
    }
    return *pdf == '\0' ? 0 : PutPdf(drawn, pdf);
}
