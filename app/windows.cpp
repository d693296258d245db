#include "app/windows.h"

#include "app/aboutbox.h"
#include "app/dialoggui.h"
#include "app/mainscreen.h"
#include "app/serviceform.h"
#include "app/services.h"
#include "comm/serialerrorbox.h"
#include "comm/settingform.h"
#include "files/fileerrorbox.h"
#include "model/config1.h"
#include "model/eraseverif.h"

std::unique_ptr<TMainScreen> CreateWindows(Windows& windows, SetsBuffer& buffer, Services& services)
{
    auto mainScreen = std::make_unique<TMainScreen>(buffer, windows, services);
    windows.MainScreen = mainScreen.get();
    QWidget* owner = mainScreen.get();
    windows.AboutBox = new TAboutBox(owner);
    windows.FileErrorBox = new TFileErrorBox(owner);
    windows.ServiceForm = new TServiceForm(owner);
    windows.EraseVerif = new TEraseVerif(owner);
    windows.SerialErrorBox = new TSerialErrorBox(owner);
    windows.SettingForm = new TSettingForm(buffer, owner);
    windows.Config1 = new TConfig1(buffer, services.gui, owner);
    // A layout chosen in the Configure window shows at once in the main window behind it.
    QObject::connect(windows.Config1, &TConfig1::layoutChanged, mainScreen.get(),
                     &TMainScreen::ReloadAll);
    return mainScreen;
}
