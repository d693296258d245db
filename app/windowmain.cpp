#include "app/endsignals.h"
#include "app/halvexapplication.h"
#include "app/sendcommand.h"
#include "app/translations.h"
#include "app/windowmodule.h"
#include "comm/localclock.h"
#include "comm/serialport.h"
#include "files/datafile.h"
#include "files/recoveryfile.h"
#include "model/annualeditor.h"
#include "model/mainview.h"
#include "model/setsbuffer.h"
#include "model/translation.h"
#include "print/report.h"
#include "ui/dialoggui.h"
#include "ui/guard.h"
#include "ui/helpdocument.h"
#include "ui/mainwindow.h"
#include "ui/programstyle.h"
#include "ui/qtprintbackend.h"
#include "ui/serialports.h"
#include "ui/services.h"
#include "ui/windows.h"
#include "ui/windowstyle.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QPrinter>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include <exception>
#include <memory>
#include <optional>

namespace {

// The one clock image of the run and the one instance of each window; both live until exit.
SetsBuffer Program;
Windows TheWindows;

// The program's icon in the sizes the window module carries, for task bars and window switchers
// that take a window's own icon (X11); on Wayland the desktop entry's icon shows.
QIcon WindowIcon()
{
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& file : icons.entryList(QDir::Files))
        icon.addFile(icons.filePath(file));
    return icon;
}

// The icon shows only in a task bar or a window switcher, which take it up whenever it is set:
// it is set once the main window has been painted, for decoding its sizes took a twentieth of
// the program's start (5 million instructions of some 92 million to a painted window).
class IconAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After the paint has reached the screen: the event loop runs on from it first.
            QTimer::singleShot(0, this, [this] {
                QGuiApplication::setWindowIcon(WindowIcon());
                deleteLater();
            });
        }
        return false;
    }
};

// The file named on the command line, when there is one.
std::optional<QString> FileToOpen(const QStringList& arguments)
{
    if (arguments.size() < 2 || arguments.at(1).isEmpty())
        return std::nullopt;
    return arguments.at(1);
}

} // namespace

int HalvexRunWindow(int* argc, char** argv)
{
    QtDialogGui gui;
    HalvexApplication application(*argc, argv, gui);
    application.setApplicationName(QStringLiteral("halvex"));
    application.setApplicationVersion(QStringLiteral("1.06"));
    // The desktop entry, halvex.desktop, names the program to the desktop: its icon and name.
    application.setDesktopFileName(QStringLiteral("halvex"));
    QApplication::setStyle(new ProgramStyle(QApplication::style()));
    LoadTranslations();
    EndSignals endSignals;
    // An ending signal leaves every event loop, the modal ones included.
    std::unique_ptr<QSocketNotifier> ending;
    if (endSignals.wakeFd() >= 0) {
        ending = std::make_unique<QSocketNotifier>(endSignals.wakeFd(), QSocketNotifier::Read);
        QObject::connect(ending.get(), &QSocketNotifier::activated, &application, [&ending] {
            ending->setEnabled(false);
            QCoreApplication::exit(0);
        });
    }
    SystemSerialPorts serialPorts;
    if (const std::string problem = serialPorts.settingsProblem(); !problem.empty())
        qWarning(
            "halvex: %s",
            qUtf8Printable(QCoreApplication::translate(
                               "Window", "%1 The devices chosen for the COM ports are not used.")
                               .arg(QFile::decodeName(problem.c_str()))));
    SerialModemLinePort port(MonotonicTickMs, ChoiceOf(serialPorts));
    SystemLocalClock clock;
    DesktopDocumentOpener documents;
    QtPrintBackend printer;
    Services services{gui,         port,
                      clock,       printer,
                      documents,   UserStateFolder(),
                      serialPorts, &endSignals.requested()};
    try {
        const auto mainWindow = CreateWindows(TheWindows, Program, services);
        mainWindow->installEventFilter(new IconAfterFirstPaint(mainWindow.get()));
        mainWindow->show();
        // "halvex FILE" (a double-click in a file manager) opens FILE as Load does, once the
        // window is up, so that a File Error window shows over it.
        if (const std::optional<QString> file = FileToOpen(application.arguments()))
            QTimer::singleShot(0, mainWindow.get(),
                               [&mainWindow, path = *file] { mainWindow->openFile(path); });
        application.exec();
    } catch (const std::exception& error) {
        gui.showException(nullptr, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        gui.showException(nullptr, UnknownErrorText());
    }
    endSignals.endLikeTheSignal();
    return 0;
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
