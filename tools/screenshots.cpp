// Takes pictures of the program's windows for the documentation: creates the windows as the
// program does, shows each one in turn and saves what the screen holds of it.
#include "comm/localclock.h"
#include "comm/serialport.h"
#include "ui/dialoggui.h"
#include "ui/helpdocument.h"
#include "ui/mainwindow.h"
#include "ui/qtprintbackend.h"
#include "ui/services.h"
#include "ui/windows.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QScreen>
#include <QTest>

namespace {

bool Save(QWidget& window, const QString& path)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QTest::qWait(300);
    const QPixmap picture = window.screen()->grabWindow(window.winId());
    const bool saved = picture.save(path);
    if (&window != window.window() || qobject_cast<QDialog*>(&window))
        window.hide();
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(folder);

    QtDialogGui gui;
    SerialModemLinePort port;
    SystemLocalClock clock;
    DesktopDocumentOpener documents;
    QtPrintBackend printer;
    Services services{gui, port, clock, printer, documents, {}}; // keeps nothing between runs
    SetsBuffer buffer;
    Windows windows;
    const auto mainWindow = CreateWindows(windows, buffer, services);
    bool saved = Save(*mainWindow, folder + QStringLiteral("/main-window.png"));
    for (QDialog* dialog : mainWindow->findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
        const QString name = dialog->objectName().toLower();
        saved = Save(*dialog, folder + QStringLiteral("/window-%1.png").arg(name)) && saved;
    }
    return saved ? 0 : 1;
}
