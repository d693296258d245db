#include "app/windows.h"

#include "app/aboutbox.h"
#include "app/mainscreen.h"
#include "app/serviceform.h"
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
    windows.Config1 = new TConfig1(owner);
    return mainScreen;
}
