#include "comm/settingsblock.h"

#include <cerrno>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The settings file is opened without blocking and used only when it is a plain file: a named
// pipe or a device at its name would otherwise stop the program at start-up or in Settings.
int OpenPlainFile(const std::string& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return -1;
    struct stat file {};
    if (::fstat(fd, &file) != 0 || !S_ISREG(file.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

void LoadSettingsBlock(SetsBuffer& buffer, const std::string& path)
{
    const int fd = OpenPlainFile(path, O_RDONLY);
    if (fd < 0)
        return; // no settings file yet: COM1 and zeros, nothing to report
    // Whatever the reads return, the bytes they did not reach keep their values.
    std::size_t got = 0;
    while (got < SettingsBlockSize) {
        const ssize_t n =
            ::read(fd, buffer.data() + SettingsBlockOffset + got, SettingsBlockSize - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
}

bool SaveSettingsBlock(const SetsBuffer& buffer, const std::string& path)
{
    const int fd = OpenPlainFile(path, O_WRONLY | O_CREAT);
    if (fd < 0)
        return false;
    bool written = ::ftruncate(fd, 0) == 0;
    std::size_t put = 0;
    while (written && put < SettingsBlockSize) {
        const ssize_t n =
            ::write(fd, buffer.data() + SettingsBlockOffset + put, SettingsBlockSize - put);
        if (n < 0 && errno == EINTR)
            continue;
        written = n > 0;
        put += written ? static_cast<std::size_t>(n) : 0;
    }
    // Closing reports what the file system could not keep (a full disk, for one).
    const bool closed = ::close(fd) == 0;
    return written && closed;
}

int PortIndex(const SetsBuffer& buffer)
{
    return buffer[PortByte] & PortIndexMask;
}

void ChoosePort(SetsBuffer& buffer, int index)
{
    if (index < 0 || index > PortIndexMask)
        throw std::out_of_range("There is no COM" + std::to_string(index + 1) + " to choose.");
    buffer[PortByte] = static_cast<Byte>(index);
}

std::string PortName(const SetsBuffer& buffer)
{
    return "COM" + std::to_string(PortIndex(buffer) + 1);
}
