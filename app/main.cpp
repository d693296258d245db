#include "app/dialoggui.h"
#include "app/halvexapplication.h"
#include "app/helpdocument.h"
#include "app/mainscreen.h"
#include "app/services.h"
#include "app/windows.h"
#include "comm/localclock.h"
#include "comm/serialport.h"
#include "model/setsbuffer.h"
#include "print/qtprintbackend.h"

#include <exception>

namespace {

// The one clock image of the run and the one instance of each window; both live until exit.
SetsBuffer Sets;
Windows TheWindows;

} // namespace

int main(int argc, char* argv[])
{
    QtDialogGui gui;
    HalvexApplication application(argc, argv, gui);
    application.setApplicationName(QStringLiteral("halvex"));
    application.setApplicationVersion(QStringLiteral("1.06"));
    SerialModemLinePort port;
    SystemLocalClock clock;
    DesktopDocumentOpener documents;
    QtPrintBackend printer;
    Services services{gui, port, clock, printer, documents};
    try {
        const auto mainScreen = CreateWindows(TheWindows, Sets, services);
        mainScreen->show();
        application.exec();
    } catch (const std::exception& error) {
        gui.showException(nullptr, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        gui.showException(nullptr, QStringLiteral("An unknown error occurred."));
    }
    return 0;
}
