#pragma once

#include <memory>

struct Services;
struct SetsBuffer;
class TAboutBox;
class TConfig1;
class TEraseVerif;
class TFileErrorBox;
class TMainScreen;
class TSerialErrorBox;
class TServiceForm;
class TSettingForm;

// The application's eight windows. Each exists once, from start-up to exit.
struct Windows {
    TMainScreen* MainScreen = nullptr;
    TAboutBox* AboutBox = nullptr;
    TFileErrorBox* FileErrorBox = nullptr;
    TServiceForm* ServiceForm = nullptr;
    TEraseVerif* EraseVerif = nullptr;
    TSerialErrorBox* SerialErrorBox = nullptr;
    TSettingForm* SettingForm = nullptr;
    TConfig1* Config1 = nullptr;
};

// Creates the windows in start-up order, the main window first; it owns the other seven. Each
// pointer in windows is set as soon as its window exists, so a later window's creation can rely
// on the earlier ones (the COM Settings window shows the port the main window's creation read).
std::unique_ptr<TMainScreen> CreateWindows(Windows& windows, SetsBuffer& buffer,
                                           Services& services);
