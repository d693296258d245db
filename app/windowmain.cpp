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
#include "print/report.h"
#include "ui/dialoggui.h"
#include "ui/helpdocument.h"
#include "ui/mainwindow.h"
#include "ui/qtprintbackend.h"
#include "ui/serialports.h"
#include "ui/services.h"
#include "ui/windows.h"
#include "ui/windowstyle.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QPrinter>
#include <QTimer>

#include <cstdio>

#include <exception>
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
    application.setWindowIcon(WindowIcon());
    LoadTranslations();
    EndSignals endSignals;
    SystemSerialPorts serialPorts;
    SerialModemLinePort port(MonotonicTickMs, [&](int n) { return serialPorts.deviceFor(n); });
    SystemLocalClock clock;
    DesktopDocumentOpener documents;
    QtPrintBackend printer;
    Services services{gui,         port,
                      clock,       printer,
                      documents,   UserStateFolder(),
                      serialPorts, &endSignals.requested()};
    try {
        const auto mainWindow = CreateWindows(TheWindows, Program, services);
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
        gui.showException(nullptr, QStringLiteral("An unknown error occurred."));
    }
    endSignals.endLikeTheSignal();
    return 0;
}

// The report is drawn with the window's own face, so the page is the page File > Print makes.
int HalvexPrintReport(int* argc, char** argv, const char* file, const char* pdf,
                      const char* printerName)
{
    SetsBuffer program;
    if (LoadDataFile(program, DataFileToOpen(file)) != FileResult::Done) {
        std::fprintf(stderr, "halvex: %s: File I/O Error ! (it is missing or cannot be read)\n",
                     file);
        return FileErrorStatus;
    }
    // Fonts need a GUI application; the offscreen platform gives one without any display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(*argc, argv);
    QPrinter printer(QPrinter::HighResolution);
    if (*pdf == '\0') {
        printer.setPrinterName(QString::fromLocal8Bit(printerName));
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QFile::decodeName(pdf));
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
        return 1;
    }
    return 0;
}
