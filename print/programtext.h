#pragma once

#include "model/setsbuffer.h"

#include <string>
#include <vector>

// The program as text, for a terminal, diff and grep: the status line as the printed report
// words it, then every line of the step list and every line of the annual list as the window
// shows them, each group after an empty line. The buffer is taken as the window holds a loaded
// program (ShowLoadedProgram), with the day bytes that showing rewrites.
std::vector<std::string> ProgramText(SetsBuffer& buffer);
