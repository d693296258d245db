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

std::unique_ptr<MainWindow> CreateWindows(Windows& windows, SetsBuffer& buffer, Services& services)
{
    auto mainWindow = std::make_unique<MainWindow>(buffer, windows, services);
    windows.mainWindow = mainWindow.get();
    QWidget* owner = mainWindow.get();
    windows.aboutDialog = new AboutDialog(owner);
    windows.fileErrorDialog = new FileErrorDialog(owner);
    windows.serviceDialog = new ServiceDialog(owner);
    windows.eraseDialog = new EraseDialog(owner);
    windows.transferErrorDialog = new TransferErrorDialog(owner);
    windows.portDialog = new PortDialog(buffer, services.serialPorts, owner);
    windows.layoutDialog = new LayoutDialog(buffer, services.gui, owner);
    // A layout chosen in the Configure window shows at once in the main window behind it.
    QObject::connect(windows.layoutDialog, &LayoutDialog::layoutChosen, mainWindow.get(),
                     &MainWindow::changeLayout);
    return mainWindow;
}
