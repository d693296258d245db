#pragma once

#include <optional>

// The verbs that need no window: "send", "show", "check", "print", "ports", --help, --version.
// They run without connecting to any display, so they work over SSH and in scripts. Returns
// the exit status of the command, or nothing when the arguments ask for the window (no verb,
// perhaps a file to open; a "--" before it is taken out of argv). Arguments that are no command
// (a mistyped verb, an unknown option) and a window without a display end in the usage on
// standard error and status 1, never in the window.
std::optional<int> RunCommandLine(int& argc, char* argv[]);
