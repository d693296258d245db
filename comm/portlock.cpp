#include "comm/portlock.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
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

struct LockFile {
    long pid = 0;
    uid_t owner = 0;
};

// The process id, written as text (ten digits and a newline) or, by old programs, as the four
// bytes of an int; and who made the file.
std::optional<LockFile> ReadLockFile(const std::string& file)
{
    // Not blocking, and only a plain file: a named pipe at the lock's name must not hang the
    // send.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    char text[32] = {};
    const bool plain = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    const ssize_t n = plain ? ::read(fd, text, sizeof text - 1) : -1;
    ::close(fd);
    if (n <= 0)
        return std::nullopt;
    LockFile lock{0, info.st_uid};
    const bool asText = std::all_of(
        text, text + n, [](char c) { return (c >= '0' && c <= '9') || c == ' ' || c == '\n'; });
    if (n == static_cast<ssize_t>(sizeof(int)) && !asText) {
        int binary = 0;
        std::memcpy(&binary, text, sizeof binary);
        lock.pid = binary;
    } else {
        lock.pid = std::strtol(text, nullptr, 10);
    }
    return lock;
}

bool Runs(long pid)
{
    return pid > 0 && pid <= INT_MAX && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

std::string ProcessFile(long pid, const char* name)
{
    return "/proc/" + std::to_string(pid) + "/" + name;
}

// Whether the user who made the lock file runs the process it names (its real, effective, saved
// or file-system user). Where the system hides other users' processes, only root's word counts.
bool MadeByItsProcess(const LockFile& lock)
{
    if (lock.owner == 0)
        return true;
    std::ifstream status(ProcessFile(lock.pid, "status"));
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Uid:", 0) != 0)
            continue;
        std::istringstream ids(line.substr(4));
        for (unsigned long id = 0; ids >> id;)
            if (id == lock.owner)
                return true;
        return false;
    }
    return false;
}

std::string CommandOf(long pid)
{
    std::ifstream comm(ProcessFile(pid, "comm"));
    std::string command;
    std::getline(comm, command);
    return command;
}

} // namespace

std::optional<LockFileHolder> FindLockFileHolder(const std::string& device,
                                                 const std::string& lockFolders)
{
    const std::string name = DeviceName(device);
    std::stringstream folders(lockFolders);
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::string file = folder + "/LCK.." + name;
        const std::optional<LockFile> lock = ReadLockFile(file);
        if (lock && lock->pid != ::getpid() && Runs(lock->pid) && MadeByItsProcess(*lock))
            return LockFileHolder{file, lock->pid, CommandOf(lock->pid)};
    }
    return std::nullopt;
}
