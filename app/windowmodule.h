#pragma once

#include <string>

// The window and the printer live in a module of their own, loaded only when they are needed:
// the window-free commands then start without loading Qt's GUI libraries at all, in a few
// milliseconds, and never look for a display.
extern "C" {
// The program with its window, as started without a command (argv[1] may name a file to open).
// argc must live as long as the program runs.
int HalvexRunWindow(int* argc, char** argv);
// "halvex print": the report of FILE into a PDF file (pdf) or to the printer of that name.
int HalvexPrintReport(int* argc, char** argv, const char* file, const char* pdf,
                      const char* printer);
}

// Finds and loads the module, beside the program in a build folder or in the installed
// program's library folder; nothing (after saying why on standard error) when it cannot.
using RunWindowFunction = int (*)(int*, char**);
using PrintReportFunction = int (*)(int*, char**, const char*, const char*, const char*);
struct WindowModule {
    RunWindowFunction runWindow = nullptr;
    PrintReportFunction printReport = nullptr;
};
bool LoadWindowModule(WindowModule& module);

// The folder of the program that runs (in the window module too, the program's, not the
// module's), found without Qt's application object.
std::string ProgramFolder();
