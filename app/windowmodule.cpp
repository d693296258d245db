#include "app/windowmodule.h"

#include "model/translation.h"

#include <cstdio>

#include <climits>
#include <dlfcn.h>
#include <unistd.h>

namespace {

constexpr TranslatableText WindowNotLoaded("CommandLine", "the window could not be loaded: %s");
constexpr TranslatableText PrinterNotLoaded("CommandLine", "the printer could not be loaded: %s");

// "halvex: " and the reason a module could not be had, on standard error.
void SayNotLoaded(const TranslatableText& what, const std::string& why)
{
    std::fprintf(stderr, "halvex: %s\n", FormatText(Translate(what).c_str(), why.c_str()).c_str());
}

} // namespace

std::string ProgramFolder()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    const std::string program(path, static_cast<std::size_t>(length));
    return program.substr(0, program.rfind('/'));
}

void* ModuleFunction(const char* module, const char* name, std::string& why)
{
    const std::string folder = ProgramFolder();
    for (const std::string& candidate :
         {folder + "/" + module, folder + "/" + HALVEX_INSTALLED_MODULES + "/" + module}) {
        // A module stays loaded until the program ends; loading it again only finds it. Its
        // calls into Qt are bound as they are first made, as the program's own would be.
        if (void* loaded = ::dlopen(candidate.c_str(), RTLD_LAZY | RTLD_LOCAL)) {
            if (void* function = ::dlsym(loaded, name))
                return function;
        }
        // dlerror() forgets its message once read, so it is read once.
        if (const char* reason = ::dlerror())
            why = reason;
    }
    return nullptr;
}

namespace {

// A module's entry for the command line: nothing, after saying why, when it cannot be had.
void* EntryOrReason(const char* module, const char* name, const TranslatableText& notLoaded)
{
    std::string why;
    void* entry = ModuleFunction(module, name, why);
    if (!entry)
        SayNotLoaded(notLoaded, why);
    return entry;
}

} // namespace

RunWindowFunction LoadRunWindow()
{
    return reinterpret_cast<RunWindowFunction>(
        EntryOrReason(HALVEX_WINDOW_MODULE, "HalvexRunWindow", WindowNotLoaded));
}

PrintReportFunction LoadPrintReport()
{
    return reinterpret_cast<PrintReportFunction>(
        EntryOrReason(HALVEX_PRINTER_MODULE, "HalvexPrintReport", PrinterNotLoaded));
}

MakePrintBackendFunction LoadPrintBackendMaker(std::string& why)
{
    return reinterpret_cast<MakePrintBackendFunction>(
        ModuleFunction(HALVEX_PRINTER_MODULE, "HalvexMakePrintBackend", why));
}
