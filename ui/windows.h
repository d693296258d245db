#pragma once

#include <memory>

struct Services;
struct SetsBuffer;
class AboutDialog;
class LayoutDialog;
class EraseDialog;
class FileErrorDialog;
class MainWindow;
class TransferErrorDialog;
class ServiceDialog;
class PortDialog;

// The application's eight windows. Each exists once, from start-up to exit.
struct Windows {
    MainWindow* mainWindow = nullptr;
    AboutDialog* aboutDialog = nullptr;
    FileErrorDialog* fileErrorDialog = nullptr;
    ServiceDialog* serviceDialog = nullptr;
    EraseDialog* eraseDialog = nullptr;
    TransferErrorDialog* transferErrorDialog = nullptr;
    PortDialog* portDialog = nullptr;
    LayoutDialog* layoutDialog = nullptr;
};

// Creates the windows in start-up order, the main window first; it owns the other seven. Each
// pointer in windows is set as soon as its window exists, so a later window's creation can rely
// on the earlier ones (the COM Settings window shows the port the main window's creation read).
std::unique_ptr<MainWindow> CreateWindows(Windows& windows, SetsBuffer& buffer, Services& services);
