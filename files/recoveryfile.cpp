#include "files/recoveryfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t PrivateFolder = 0700; // what the user was editing is theirs alone
constexpr mode_t PrivateFile = 0600;
constexpr const char* KeptStem = "unsaved";
constexpr const char* KeptExtension = ".40t";
constexpr int MostWindows = 1000; // far more windows than anyone runs at once
constexpr int LockAttempts = 10;

// Makes the folder and any missing parent.
bool MakeFolders(const std::string& folder)
{
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        struct stat info {};
        const bool isFolder = ::stat(part.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        if (!isFolder && ::mkdir(part.c_str(), PrivateFolder) != 0)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

// "unsaved.40t" for the first window, "unsaved-2.40t" for the second and so on.
std::string KeptName(int number)
{
    return std::string(KeptStem) + (number == 1 ? "" : "-" + std::to_string(number)) +
           KeptExtension;
}

bool IsKeptName(std::string_view name)
{
    const std::string prefix = std::string(KeptStem) + "-";
    const std::string_view extension = KeptExtension;
    if (name == std::string(KeptStem) + KeptExtension)
        return true;
    if (!name.starts_with(prefix) || !name.ends_with(extension))
        return false;
    const std::string_view number =
        name.substr(prefix.size(), name.size() - prefix.size() - extension.size());
    return !number.empty() && number.front() != '0' &&
           std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string LockFileOf(const std::string& keptFile)
{
    const std::size_t slash = keptFile.rfind('/');
    return keptFile.substr(0, slash + 1) + "." + keptFile.substr(slash + 1) + ".lock";
}

// Takes the lock of a kept file's name, or -1 when a running window holds it. A window that
// lets its file go removes the lock file while it still holds the lock, so a lock taken on a
// lock file that is no longer at its name is no lock: it is taken again on the new one.
int TakeLock(const std::string& keptFile)
{
    const std::string lockFile = LockFileOf(keptFile);
    for (int attempt = 0; attempt < LockAttempts; ++attempt) {
        const int fd = ::open(lockFile.c_str(),
                              O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, PrivateFile);
        if (fd < 0)
            return -1;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return -1;
        }
        struct stat opened {};
        struct stat named {};
        if (::fstat(fd, &opened) == 0 && ::stat(lockFile.c_str(), &named) == 0 &&
            opened.st_dev == named.st_dev && opened.st_ino == named.st_ino)
            return fd;
        ::close(fd);
    }
    return -1;
}

void ReleaseLock(const std::string& keptFile, int fd)
{
    ::unlink(LockFileOf(keptFile).c_str()); // still held: nobody takes the removed one
    ::close(fd);
}

// Whether a running window holds the kept file: its lock cannot be had. Only looked at.
bool HeldByAWindow(const std::string& keptFile)
{
    const int fd =
        ::open(LockFileOf(keptFile).c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false; // no lock file: nobody holds it
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

std::optional<ProgramImage> ReadKept(const std::string& path)
{
    const ReadResult read = ReadFileStart(path, ProgramImageSize + 1);
    if (read.result != FileResult::Done || read.bytes.size() != ProgramImageSize)
        return std::nullopt;
    ProgramImage image;
    std::copy(read.bytes.begin(), read.bytes.end(), image.begin());
    return image;
}

std::int64_t Nanoseconds(const timespec& time)
{
    return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

} // namespace

std::string StateFolder(const char* xdgStateHome, const char* home)
{
    // A relative XDG_STATE_HOME is to be ignored, as the base directory rules say.
    if (xdgStateHome && xdgStateHome[0] == '/')
        return std::string(xdgStateHome) + "/halvex";
    if (home && home[0] == '/')
        return std::string(home) + "/.local/state/halvex";
    return {};
}

std::string UserStateFolder()
{
    return StateFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

std::vector<KeptProgram> FindKeptPrograms(const std::string& folder)
{
    std::vector<KeptProgram> found;
    DIR* entries = folder.empty() ? nullptr : ::opendir(folder.c_str());
    if (!entries)
        return found;
    while (const dirent* entry = ::readdir(entries)) {
        const std::string path = folder + "/" + entry->d_name;
        if (!IsKeptName(entry->d_name) || HeldByAWindow(path))
            continue;
        struct stat info {};
        const std::optional<ProgramImage> image = ReadKept(path);
        if (image && ::stat(path.c_str(), &info) == 0)
            found.push_back({path, static_cast<std::int64_t>(info.st_mtim.tv_sec), *image});
    }
    ::closedir(entries);
    std::sort(found.begin(), found.end(), [](const KeptProgram& a, const KeptProgram& b) {
        return a.keptAt != b.keptAt ? a.keptAt > b.keptAt : a.path < b.path;
    });
    return found;
}

RecoveryKeeper::RecoveryKeeper(std::string folder)
    : stateFolder(std::move(folder))
{
}

RecoveryKeeper::~RecoveryKeeper()
{
    if (ownLock >= 0)
        ReleaseLock(ownFile, ownLock);
}

bool RecoveryKeeper::ownFileIsStillOurs() const
{
    struct stat info {};
    if (::lstat(ownFile.c_str(), &info) != 0)
        return errno == ENOENT; // nothing there: the name is still this window's
    return written.valid && info.st_dev == written.device && info.st_ino == written.inode &&
           Nanoseconds(info.st_mtim) == written.modifiedNs;
}

// The file at this window's name is no longer its kept program: it stays as it is, and the
// next change takes a name of its own again.
void RecoveryKeeper::letOwnFileGo()
{
    if (ownLock >= 0)
        ReleaseLock(ownFile, ownLock);
    ownLock = -1;
    ownFile.clear();
    written = {};
}

FileResult RecoveryKeeper::keepUnsaved(const ProgramImage& image)
{
    if (stateFolder.empty() || !MakeFolders(stateFolder))
        return FileResult::CannotCreate;
    if (ownLock >= 0 && !ownFileIsStillOurs())
        letOwnFileGo();
    // The first name that neither a running window holds nor a kept program waits under.
    for (int number = 1; ownLock < 0 && number <= MostWindows; ++number) {
        const std::string name = stateFolder + "/" + KeptName(number);
        if (FileExists(name))
            continue;
        const int lock = TakeLock(name);
        if (lock < 0)
            continue;
        if (FileExists(name)) { // put there before the lock was ours
            ReleaseLock(name, lock);
            continue;
        }
        ownFile = name;
        ownLock = lock;
    }
    if (ownLock < 0)
        return FileResult::CannotCreate;
    const FileResult result = ReplaceFile(ownFile, image);
    struct stat info {};
    written.valid = result == FileResult::Done && ::lstat(ownFile.c_str(), &info) == 0;
    written.device = info.st_dev;
    written.inode = info.st_ino;
    written.modifiedNs = Nanoseconds(info.st_mtim);
    return result;
}

FileResult RecoveryKeeper::nothingUnsaved()
{
    if (ownLock < 0)
        return FileResult::Done;
    if (!ownFileIsStillOurs()) {
        letOwnFileGo(); // a file saved under the kept file's name is the user's now
        return FileResult::Done;
    }
    if (::unlink(ownFile.c_str()) != 0 && errno != ENOENT)
        return FileResult::CannotRemove;
    written = {};
    return FileResult::Done;
}

std::optional<ProgramImage> RecoveryKeeper::take(const KeptProgram& kept)
{
    const int lock = TakeLock(kept.path);
    if (lock < 0)
        return std::nullopt; // another window holds it now
    const std::optional<ProgramImage> image = ReadKept(kept.path);
    // Only once the program is kept under this window's name does the old file go: a window
    // that cannot keep it leaves the file to be offered again.
    if (image && kept.path != ownFile && keepUnsaved(*image) == FileResult::Done)
        ::unlink(kept.path.c_str());
    ReleaseLock(kept.path, lock);
    return image;
}
