#pragma once

#include <iosfwd>
#include <string>

// "halvex check FILE": the program checks of the week chart window for the program of FILE,
// loaded as Load does and shown as the window shows it, one finding a line on out. Returns 0
// when nothing was found, 1 when something was, 2 when the file could not be loaded.
int RunCheck(const std::string& file, std::ostream& out, std::ostream& err);
