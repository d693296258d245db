#include "comm/portlock.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The lock file is named after the device itself, so a /dev/serial/by-id link is followed.
std::string DeviceName(const std::string& device)
{
    char resolved[PATH_MAX];
    const std::string path = ::realpath(device.c_str(), resolved) ? resolved : device;
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The process id, written as text (ten digits and a newline) or, by old programs, as the four
// bytes of an int.
long LockOwner(const std::string& file)
{
    // Not blocking: a named pipe at the lock's name must not hang the send.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return 0;
    char text[32] = {};
    const ssize_t n = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (n == static_cast<ssize_t>(sizeof(int))) {
        int binary = 0;
        std::memcpy(&binary, text, sizeof binary);
        return binary;
    }
    return n > 0 ? std::strtol(text, nullptr, 10) : 0;
}

bool Runs(long pid)
{
    return pid > 0 && pid <= INT_MAX && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

} // namespace

bool HeldByLockFile(const std::string& device, const std::string& lockFolders)
{
    const std::string name = DeviceName(device);
    std::stringstream folders(lockFolders);
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const long owner = LockOwner(folder + "/LCK.." + name);
        if (owner != ::getpid() && Runs(owner))
            return true;
    }
    return false;
}
