// A data file (*.40t) chosen with "&Load...".
#include "files/datafile.h"
#include "fuzzharness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static InputFile file;
    static StillClock clock;
    SetsBuffer buffer;
    if (LoadDataFile(buffer, file.write(data, size)) != FileResult::Done)
        std::abort(); // any content is a valid data file
    ShowAndStamp(buffer, clock);
    return 0;
}
