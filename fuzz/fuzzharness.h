#pragma once

// What every fuzz target shares: the input handed to the program's own file code as a real
// file, and everything the program then does with the image it read.

#include "comm/clockframe.h"
#include "comm/localclock.h"
#include "comm/settingsblock.h"
#include "model/mainview.h"
#include "print/report.h"
#include "tests/simulatedclock.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

// An in-memory file with a path, so the input goes through the same open and read calls as a
// user's file on disk.
class InputFile {
public:
    InputFile()
        : fd(memfd_create("halvex-fuzz-input", MFD_CLOEXEC))
    {
        if (fd < 0)
            std::abort();
        path = "/proc/self/fd/" + std::to_string(fd);
    }
    ~InputFile() { close(fd); }

    const std::string& write(const std::uint8_t* data, std::size_t size)
    {
        if (ftruncate(fd, 0) != 0 ||
            (size > 0 && pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)))
            std::abort();
        return path;
    }

private:
    int fd;
    std::string path;
};

class StillClock : public LocalClock {
public:
    LocalDateTime time{2026, 12, 2, 8, 0, 15, 42};
    LocalDateTime now() override { return time; }
};

// Prints the image's report at a few printer resolutions, with the status the main window
// shows for it. An image that has been shown is printed without a further write.
inline void PrintReport(SetsBuffer& buffer, const BufferLayout& layout)
{
    const SetsBuffer shown = buffer;
    const std::size_t mostLines =
        static_cast<std::size_t>(3 + 1 + layout.stepCount + layout.annualCount);
    for (int dpi : {600, 203, -300}) {
        const std::vector<ReportLine> report =
            LayoutReport(buffer, layout, LoadStatusControls(buffer), dpi);
        if (report.size() < 4 || report.size() > mostLines)
            std::abort();
        for (std::size_t i = 1; i < report.size(); ++i)
            if (report[i].y <= report[i - 1].y)
                std::abort(); // every line below the one before
    }
    if (!(buffer == shown))
        std::abort();
}

// What the program does with an image once it is in: shows it in the main window, prints it
// and stamps the clock frame (the transfer itself is fuzzed on its own, by fuzz_clocklink).
inline void ShowAndStamp(SetsBuffer& buffer, LocalClock& clock)
{
    EditState state;
    const MainView view = ShowLoadedProgram(buffer, state);
    if (view.stepLines.size() != static_cast<std::size_t>(state.layout.stepCount) ||
        view.annualLines.size() != static_cast<std::size_t>(state.layout.annualCount))
        std::abort();
    const SetsBuffer shown = buffer;
    ReloadAll(buffer, state);
    if (!(buffer == shown))
        std::abort(); // showing twice writes nothing more
    PrintReport(buffer, state.layout);
    PrepareClockFrame(buffer, clock);
    unsigned sum = buffer[ChecksumByte];
    for (int b = ChecksumFirstByte; b <= ChecksumLastByte; ++b)
        sum += buffer[b];
    if (sum % 256 != 0xFF)
        std::abort(); // the clock accepts the frame
}
