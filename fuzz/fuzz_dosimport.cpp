// A file of the DOS edition (*.qdv) chosen with "&Load DOS Version File...".
#include "files/dosimport.h"
#include "fuzzharness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static InputFile file;
    static StillClock clock;
    SetsBuffer buffer;
    if (ImportDosVersionFile(buffer, file.write(data, size)) != FileResult::Done)
        std::abort();
    for (int b = 0; b <= DosFileOffset; ++b) {
        if (buffer[b] != 0)
            std::abort(); // the import always clears the header
    }
    ShowAndStamp(buffer, clock);
    return 0;
}
