#pragma once

#include "app/mainscreenform.h"
#include "files/filecommands.h"
#include "model/mainview.h"
#include "model/setsbuffer.h"

#include <QMainWindow>

#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QListWidget;
struct Services;
struct Windows;

// The main window: the clock program's steps, skip plans and status, and the menu. It reads its
// controls, calls the logic on the buffer and shows the result; it keeps no data of its own
// beyond the current step and annual.
class TMainScreen : public QMainWindow {
    Q_OBJECT

public:
    TMainScreen(SetsBuffer& buffer, const Windows& windows, Services& services,
                QWidget* parent = nullptr);

    // Refreshing the window from the buffer.
    void ReloadAll();
    void RefillStepList();
    void RefillAnnualList();
    void LoadStepControls();
    void LoadAnnualControls();
    void LoadStatusControls();

    const EditState& editState() const { return state; }

private:
    void FormCreate();
    void connectCommands();
    void connectEditors();
    void connectFileCommands();
    void connectClockCommands();
    void connectPrintAndHelp();
    void Print1Click();
    void Exit1Click();
    void Contents1Click();

    // The step editor.
    void SetsBoxClick();
    void StepBoxChange();
    void DaysBoxChange();
    void HoursBoxChange();
    void MinutesBoxChange();
    void AMPMBoxClick();
    void ONOFFBoxClick();
    void refreshStep();

    // The annual and status editor.
    void AnnualBoxChange();
    void AnnualListBoxClick();
    void StartMonthChange();
    void StartDayChange();
    void StartYearChange();
    void EndMonthChange();
    void EndDayChange();
    void EndYearChange();
    void changeAnnualField(AnnualField field, const QComboBox* box);
    void DSTBoxClick();
    void RelayBoxClick();
    void ELBoxClick();
    void PulseBoxChange();

    // Erase and layout.
    void EraseButtonClick();
    void ConfigButton1Click();

    void selectStepLine();
    void selectAnnualLine();
    void showStepControls(const StepControls& shown);
    void showAnnualControls(const AnnualControls& shown);

    // Wraps a handler for a signal connection, so that an error it raises is shown to the user.
    auto guarded(void (TMainScreen::*handler)());

    // The Help menu's windows.
    void Service1Click();
    void About1Click();

    // Talking to the clock.
    void Settings1Click();
    void Send1Click();

    SetsBuffer& buffer;
    const Windows& windows;
    Services& services;
    EditState state;
    MainScreenForm form;

    // Data files.
    void Save1Click();
    void Load1Click();
    void LoadDOSVersionFile1Click();
    std::optional<FileCommands> fileCommands;
};
