#pragma once

#include "model/programeditor.h"
#include "model/setsbuffer.h"
#include "ui/filecommands.h"
#include "ui/mainwindowform.h"

#include <QMainWindow>

#include <functional>

struct Services;
struct Windows;

// The main window: the clock program's steps, skip plans and status, and the menu. Each handler
// reads one control, hands the choice to the program editor and shows the program again; the
// window keeps no data of its own.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(SetsBuffer& buffer, const Windows& windows, Services& services,
               QWidget* parent = nullptr);

    // Shows the whole program anew, from step 00 and annual 00.
    void reloadAll();
    // The layout chosen in the Configure window, shown at once behind it.
    void changeLayout(int item);

    const EditState& editState() const { return editor.state(); }

private:
    void connectCommands();
    void connectStepEditor();
    void connectAnnualEditor();
    void connectStatus();
    void connectMenu();
    // Wraps a command for a signal connection, so that an error it raises is shown to the user.
    std::function<void()> guarded(std::function<void()> command);

    // Showing the program.
    void showSteps();
    void showStepControls(const StepControls& shown);
    void showAnnuals();
    void showAnnualControls(const AnnualControls& shown);
    void showStatus(const StatusControls& shown);

    // The step editor.
    void stepLineChosen();
    void stepNumberChosen();
    // The annual editor.
    void annualLineChosen();
    void annualNumberChosen();

    // The menu and the two image buttons.
    void print();
    void sendToClock();
    void choosePort();
    void showHelp();
    void erase();
    void configureLayout();

    SetsBuffer& buffer;
    const Windows& windows;
    Services& services;
    ProgramEditor editor;
    MainWindowForm form;
    FileCommands fileCommands;
};
