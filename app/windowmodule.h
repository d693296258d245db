#pragma once

#include <string>

class PrintBackend;

// The window and the printer live in modules of their own, loaded only when they are needed:
// the window-free commands then start without loading Qt's GUI libraries at all, in a few
// milliseconds, and never look for a display; the window starts without Qt's printing library,
// which only a print needs.
extern "C" {
// In the window's module: the program with its window, as started without a command (argv[1]
// may name a file to open). argc must live as long as the program runs.
int HalvexRunWindow(int* argc, char** argv);
// In the printer's module: "halvex print", the report of FILE into a PDF file (pdf) or to the
// printer of that name.
int HalvexPrintReport(int* argc, char** argv, const char* file, const char* pdf,
                      const char* printer);
// In the printer's module: the desktop's printers, for File > Print; the caller owns them.
PrintBackend* HalvexMakePrintBackend();
}

using RunWindowFunction = int (*)(int*, char**);
using PrintReportFunction = int (*)(int*, char**, const char*, const char*, const char*);
using MakePrintBackendFunction = PrintBackend* (*)();

// The function `name` of the program's module `module`, found beside the program in a build
// folder or in the installed program's library folder and loaded once; nothing, with the
// loader's reason in `why`, when it cannot be had.
void* ModuleFunction(const char* module, const char* name, std::string& why);

// The window's and the printer's entries; nothing (after saying why on standard error) when
// their module cannot be loaded.
RunWindowFunction LoadRunWindow();
PrintReportFunction LoadPrintReport();
// The printer module's maker of the desktop's printers, or nothing with the reason in `why`.
MakePrintBackendFunction LoadPrintBackendMaker(std::string& why);

// The folder of the program that runs (in the modules too, the program's, not the module's),
// found without Qt's application object.
std::string ProgramFolder();
