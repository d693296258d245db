#include "app/commandline.h"
#include "app/windowmodule.h"

#include <optional>

int main(int argc, char* argv[])
{
    // The command-line verbs run without a window and without touching any display.
    if (const std::optional<int> status = RunCommandLine(argc, argv))
        return *status;
    const RunWindowFunction runWindow = LoadRunWindow();
    if (!runWindow)
        return 1;
    return runWindow(&argc, argv);
}
