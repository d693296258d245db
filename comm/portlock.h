#pragma once

#include <string>

// Serial programs such as minicom mark a port as theirs with a UUCP lock file,
// /run/lock/LCK..ttyUSB0 (or /var/lock), that holds their process id. True when such a file
// names a process that still runs. A lock left behind by a program that has ended does not
// count, and this program writes no lock file of its own (its flock and exclusive mode do).
bool HeldByLockFile(const std::string& device,
                    const std::string& lockFolders = "/run/lock:/var/lock");
