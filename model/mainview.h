#pragma once

#include "model/annualeditor.h"
#include "model/setsbuffer.h"
#include "model/stepeditor.h"

#include <string>
#include <vector>

// Everything the main window shows of the buffer.
struct MainView {
    BufferLayout layout;
    std::vector<std::string> stepLines;
    std::vector<std::string> annualLines;
    std::vector<std::string> stepNumbers;
    std::vector<std::string> annualNumbers;
    StepControls step;
    AnnualControls annual;
    StatusControls status;
};

// Re-derives the layout from the flags byte, makes step 00 and annual 00 current and builds the
// whole view. Showing writes into the buffer in two cases only, both day bytes of the step
// table: a mask that is no day code, and a cleared Am step 00.
MainView ReloadAll(SetsBuffer& buffer, EditState& state);

// The program of a file as the window holds it once Load has shown it: the whole window shown
// from step 00 and annual 00, and with it the rewrites of showing (a day byte that is no day
// code becomes 0x01, "Sun" with the relay Off; a cleared Am step 00 gets 0x3E, weekdays). The
// window's Load and the commands send, show, check and print all take a loaded program through
// here, so each of them works on the bytes the window holds, sends and prints.
MainView ShowLoadedProgram(SetsBuffer& buffer, EditState& state);

// The same for the step and annual that `state` makes current (kept within the layout the flags
// byte selects), as undo and redo show a program again.
MainView ShowAll(SetsBuffer& buffer, EditState& state);
