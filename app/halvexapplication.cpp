#include "app/halvexapplication.h"

#include "ui/dialoggui.h"
#include "ui/guard.h"

#include <exception>

HalvexApplication::HalvexApplication(int& argc, char** argv, DialogGui& gui)
    : QApplication(argc, argv)
    , gui(gui)
{
}

bool HalvexApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        gui.showException(activeWindow(), QString::fromLocal8Bit(error.what()));
    } catch (...) {
        gui.showException(activeWindow(), UnknownErrorText());
    }
    return false;
}
