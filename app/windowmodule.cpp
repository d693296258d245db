#include "app/windowmodule.h"

#include "model/translation.h"

#include <cstdio>

#include <climits>
#include <dlfcn.h>
#include <unistd.h>

std::string ProgramFolder()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    const std::string program(path, static_cast<std::size_t>(length));
    return program.substr(0, program.rfind('/'));
}

bool LoadWindowModule(WindowModule& module)
{
    const std::string folder = ProgramFolder();
    std::string error;
    for (const std::string& candidate :
         {folder + "/" + HALVEX_WINDOW_MODULE, folder + "/" + HALVEX_INSTALLED_MODULE}) {
        // The module stays loaded until the program ends. Its calls into Qt are bound as they
        // are first made, as the program's own would be, not all of them before the window.
        if (void* loaded = ::dlopen(candidate.c_str(), RTLD_LAZY | RTLD_LOCAL)) {
            module.runWindow =
                reinterpret_cast<RunWindowFunction>(::dlsym(loaded, "HalvexRunWindow"));
            module.printReport =
                reinterpret_cast<PrintReportFunction>(::dlsym(loaded, "HalvexPrintReport"));
            if (module.runWindow && module.printReport)
                return true;
        }
        // dlerror() forgets its message once read, so it is read once.
        if (const char* why = ::dlerror())
            error = why;
    }
    std::fprintf(stderr, "halvex: %s\n",
                 FormatText(Translate("CommandLine", "the window could not be loaded: %s").c_str(),
                            error.c_str())
                     .c_str());
    return false;
}
