#include "ui/guard.h"

#include "ui/dialoggui.h"

#include <QCoreApplication>

#include <exception>

void RunGuarded(QWidget* owner, DialogGui& gui, const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        gui.showException(owner, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        gui.showException(owner, UnknownErrorText());
    }
}

QString UnknownErrorText()
{
    return QCoreApplication::translate("RunGuarded", "An unknown error occurred.");
}
