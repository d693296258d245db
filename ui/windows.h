#pragma once

#include <functional>
#include <memory>
#include <vector>

struct Services;
struct SetsBuffer;
class AboutDialog;
class LayoutDialog;
class EraseDialog;
class FileErrorDialog;
class MainWindow;
class QDialog;
class TransferErrorDialog;
class ServiceDialog;
class PortDialog;

// A window that is made the first time it is used, as a child of the main window, and then
// lives as long as the main window does. A window nobody opens costs nothing at start-up.
template <typename Window> class MadeOnFirstUse {
public:
    void makeWith(std::function<Window*()> maker)
    {
        make = std::move(maker);
        window = nullptr;
    }
    Window* get() const
    {
        if (!window)
            window = make();
        return window;
    }
    Window* operator->() const { return get(); }
    Window& operator*() const { return *get(); }

private:
    std::function<Window*()> make;
    mutable Window* window = nullptr;
};

// The application's eight windows. The main window exists from start-up to exit; each of the
// seven others from its first use to exit, once.
struct Windows {
    MainWindow* mainWindow = nullptr;
    MadeOnFirstUse<AboutDialog> aboutDialog;
    MadeOnFirstUse<FileErrorDialog> fileErrorDialog;
    MadeOnFirstUse<ServiceDialog> serviceDialog;
    MadeOnFirstUse<EraseDialog> eraseDialog;
    MadeOnFirstUse<TransferErrorDialog> transferErrorDialog;
    MadeOnFirstUse<PortDialog> portDialog;
    MadeOnFirstUse<LayoutDialog> layoutDialog;

    // The seven, each made now if it was not yet (the pictures of the documentation).
    std::vector<QDialog*> dialogs() const;
};

// Creates the main window, which owns the other seven, and tells how each of those is made on
// its first use: they read the program and the settings as they are then (the COM Settings
// window shows the port the main window's creation read).
std::unique_ptr<MainWindow> CreateWindows(Windows& windows, SetsBuffer& buffer, Services& services);
