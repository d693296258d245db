#pragma once

#include <optional>

// The verbs that need no window: "send", "show", "check", "print", "ports", --help, --version.
// They run without connecting to any display, so they work over SSH and in scripts. Returns
// the exit status of the command, or nothing when the arguments ask for the window (no verb,
// perhaps a file to open).
std::optional<int> RunCommandLine(int argc, char* argv[]);
