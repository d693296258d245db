#pragma once

#include "model/setsbuffer.h"

#include <string>
#include <vector>

// The program as text, for a terminal, diff and grep: the status line as the printed report
// words it, then every line of the step list and every line of the annual list as the window
// shows them, each group after an empty line. Showing writes what the window's showing writes
// (day bytes that are no day code), so the buffer is taken as the window would take it.
std::vector<std::string> ProgramText(SetsBuffer& buffer);
