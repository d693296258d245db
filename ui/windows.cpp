#include "ui/windows.h"

#include "ui/aboutdialog.h"
#include "ui/dialoggui.h"
#include "ui/erasedialog.h"
#include "ui/fileerrordialog.h"
#include "ui/layoutdialog.h"
#include "ui/mainwindow.h"
#include "ui/portdialog.h"
#include "ui/servicedialog.h"
#include "ui/services.h"
#include "ui/transfererrordialog.h"

std::vector<QDialog*> Windows::dialogs() const
{
    return {aboutDialog.get(), fileErrorDialog.get(),     serviceDialog.get(),
            eraseDialog.get(), transferErrorDialog.get(), portDialog.get(),
            layoutDialog.get()};
}

std::unique_ptr<MainWindow> CreateWindows(Windows& windows, SetsBuffer& buffer, Services& services)
{
    auto mainWindow = std::make_unique<MainWindow>(buffer, windows, services);
    windows.mainWindow = mainWindow.get();
    MainWindow* owner = mainWindow.get();
    windows.aboutDialog.makeWith([owner] { return new AboutDialog(owner); });
    windows.fileErrorDialog.makeWith([owner] { return new FileErrorDialog(owner); });
    windows.serviceDialog.makeWith([owner] { return new ServiceDialog(owner); });
    windows.eraseDialog.makeWith([owner] { return new EraseDialog(owner); });
    windows.transferErrorDialog.makeWith([owner] { return new TransferErrorDialog(owner); });
    windows.portDialog.makeWith([owner, &buffer, &services] {
        return new PortDialog(buffer, services.serialPorts, owner);
    });
    windows.layoutDialog.makeWith([owner, &buffer, &services] {
        auto* dialog = new LayoutDialog(buffer, services.gui, owner);
        // A layout chosen in the Configure window shows at once in the main window behind it.
        QObject::connect(dialog, &LayoutDialog::layoutChosen, owner, &MainWindow::changeLayout);
        return dialog;
    });
    return mainWindow;
}
