// The settings file "halvex.dat" read at start-up.
#include "fuzzharness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static InputFile file;
    static StillClock clock;
    SetsBuffer buffer;
    (void)LoadSettingsBlock(buffer, file.write(data, size));
    const std::string name = PortName(buffer);
    if (name.size() != 4 || name.compare(0, 3, "COM") != 0 || name[3] < '1' || name[3] > '8')
        std::abort();
    ShowAndStamp(buffer, clock);
    return 0;
}
