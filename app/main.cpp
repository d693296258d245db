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

#include <exception>

namespace {

// The one clock image of the run and the one instance of each window; both live until exit.
SetsBuffer Program;
Windows TheWindows;

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
        application.exec();
    } catch (const std::exception& error) {
        gui.showException(nullptr, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        gui.showException(nullptr, QStringLiteral("An unknown error occurred."));
    }
    endSignals.endLikeTheSignal();
    return 0;
}
