#pragma once

#include <optional>
#include <string>

// A UUCP lock file that marks a port as another program's.
struct LockFileHolder {
    std::string lockFile; // /run/lock/LCK..ttyUSB0
    long pid = 0;         // the process it names
    std::string command;  // that process's command name ("minicom"), where it can be read
};

// Serial programs such as minicom mark a port as theirs with a UUCP lock file,
// /run/lock/LCK..ttyUSB0 (or /var/lock), that holds their process id. Returns such a file when it
// names a process that still runs and belongs to root or to that process's user. /run/lock is
// open to every user: a file someone planted there naming a process of another user (init, say)
// must not keep everybody from the port. A lock left behind by a program that has ended does not
// count, and this program writes no lock file of its own (its flock and exclusive mode do).
std::optional<LockFileHolder>
FindLockFileHolder(const std::string& device,
                   const std::string& lockFolders = "/run/lock:/var/lock");

inline bool HeldByLockFile(const std::string& device,
                           const std::string& lockFolders = "/run/lock:/var/lock")
{
    return FindLockFileHolder(device, lockFolders).has_value();
}
