#pragma once

#include "model/annualeditor.h"
#include "model/bufferconfig.h"
#include "model/mainview.h"
#include "model/setsbuffer.h"
#include "model/stepeditor.h"

#include <string>
#include <vector>

// Every change a person makes to the clock program from the main window, in the terms of the
// window's controls (item indices in) and of the buffer (bytes out). The window reads a control,
// calls one of these and shows what the editor then reports; it holds no editing rule itself.
class ProgramEditor {
public:
    explicit ProgramEditor(SetsBuffer& buffer);

    const EditState& state() const { return edit; }
    const BufferLayout& layout() const { return edit.layout; }

    // Re-derives the layout from the flags byte, makes step 00 and annual 00 current and returns
    // the whole window's contents.
    MainView reloadAll();
    // The same for a program just loaded or imported, through the one function by which the
    // command line's commands take a file's program too.
    MainView showLoaded();
    // The whole window's contents with the given step and annual current, as undo and redo show
    // a program put back into the buffer.
    MainView showAt(int step, int annual);

    // The step editor works on the current step. A drop-down list's item that the control
    // already shows is no choice: it writes nothing (picking the shown day code again keeps the
    // relay, and a byte the list decodes to that item is kept as it is).
    void chooseStep(int step);
    void setDayCode(int item);
    void setHour(int item); // 0 = "CLR"
    void setMinute(int item);
    void setAmPm(int item);  // 0 = "Am", 1 = "Pm"
    void setRelay(int item); // 0 = "On", 1 = "Off"
    // The step list; showing it rewrites a day byte that is no day code.
    std::vector<std::string> stepLines();
    // The current step's controls; a cleared Am step starts on weekdays when shown.
    StepControls stepControls();

    // The annual editor works on the current annual.
    void chooseAnnual(int annual);
    void setAnnualField(AnnualField field, int item);
    std::vector<std::string> annualLines() const;
    AnnualControls annualControls() const;

    // The status settings, item 0 = "No"/"Off"/"OFF".
    void setDst(int item);
    void setStatusRelay(int item);
    void setElLamp(int item);
    void setPulse(int item);
    StatusControls statusControls() const;

    // Erase and layout change bytes only; reloadAll() shows the outcome.
    void erase(EraseChoice choice);
    void setLayout(int item); // 0 = 16 steps and 10 annuals, 1 = 30 steps and 3 annuals

private:
    StepControls shownStep() const;

    SetsBuffer& buffer;
    EditState edit;
};
