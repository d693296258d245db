#include "app/commandline.h"
#include "app/endsignals.h"
#include "app/halvexapplication.h"
#include "comm/localclock.h"
#include "comm/serialport.h"
#include "files/recoveryfile.h"
#include "model/setsbuffer.h"
#include "ui/dialoggui.h"
#include "ui/helpdocument.h"
#include "ui/mainwindow.h"
#include "ui/qtprintbackend.h"
#include "ui/serialports.h"
#include "ui/services.h"
#include "ui/windows.h"

#include <QTimer>

#include <exception>
#include <optional>

namespace {

// The one clock image of the run and the one instance of each window; both live until exit.
SetsBuffer Program;
Windows TheWindows;

// The file named on the command line, when there is one.
std::optional<QString> FileToOpen(const QStringList& arguments)
{
    if (arguments.size() < 2 || arguments.at(1).isEmpty())
        return std::nullopt;
    return arguments.at(1);
}

} // namespace

int main(int argc, char* argv[])
{
    // The command-line verbs run without a window and without touching any display.
    if (const std::optional<int> status = RunCommandLine(argc, argv))
        return *status;
    QtDialogGui gui;
    HalvexApplication application(argc, argv, gui);
    application.setApplicationName(QStringLiteral("halvex"));
    application.setApplicationVersion(QStringLiteral("1.06"));
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
