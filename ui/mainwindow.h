#pragma once

#include "model/programeditor.h"
#include "model/setsbuffer.h"
#include "ui/filecommands.h"
#include "ui/mainwindowform.h"
#include "ui/programchanges.h"
#include "ui/recentfiles.h"

#include <QMainWindow>

#include <functional>

struct Services;
struct Windows;
class WeekChartWindow;

// The main window: the clock program's steps, skip plans and status, and the menu. Each handler
// reads one control, hands the choice to the program editor and shows the program again; the
// window keeps no data of its own. Every change passes through `changes`, which makes it one
// undo step, marks the window modified and keeps the unsaved program for the next run.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(SetsBuffer& buffer, const Windows& windows, Services& services,
               QWidget* parent = nullptr);

    // Shows the whole program anew, from step 00 and annual 00.
    void reloadAll();
    // The layout chosen in the Configure window, shown at once behind it.
    void changeLayout(int item);
    // Makes a step or an annual current, as a click on its line does. Choosing a cleared Am step
    // writes weekdays into its day byte: a change, marked and undone like an edit.
    void chooseStep(int step);
    void chooseAnnual(int annual);
    // Loads a program file as Load does once a name is chosen (at start-up, dropped, recent).
    void openFile(const QString& path);

    const EditState& editState() const { return editor.state(); }
    // The week chart window, once its command has opened it.
    WeekChartWindow* weekChartWindow() const { return weekChart; }

private:
    void connectCommands();
    void connectStepEditor();
    void connectAnnualEditor();
    void connectStatus();
    void connectMenu();
    // Wraps a command for a signal connection, so that an error it raises is shown to the user.
    std::function<void()> guarded(std::function<void()> command);

    // Showing the program.
    void showView(const MainView& view);
    void showSteps();
    void showStepControls(const StepControls& shown);
    void showAnnuals();
    void showAnnualControls(const AnnualControls& shown);
    void showStatus(const StatusControls& shown);

    // One change of the program: the write, then what shows it again.
    std::function<void()> edit(std::function<void()> write, std::function<void()> show);

    // The menu and the two image buttons.
    void print();
    void sendToClock();
    void choosePort();
    void recoverUnsaved();
    void erase();
    void configureLayout();
    void showWeekChart();

    SetsBuffer& buffer;
    const Windows& windows;
    Services& services;
    ProgramEditor editor;
    MainWindowForm form;
    ProgramChanges changes;
    FileCommands fileCommands;
    RecentFiles* recentFiles = nullptr;
    WeekChartWindow* weekChart = nullptr;
};
