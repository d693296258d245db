#include "files/rawfile.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Names of the new files a save writes before they replace the old one. A short fixed prefix
// keeps them within the file system's name limit whatever the data file is called.
constexpr const char* TemporaryPrefix = "/.halvex-";
constexpr int TemporaryNameAttempts = 100;
constexpr int MaxLinkHops = 40; // as the kernel allows
// A program file is 200 bytes; more of an old file than this is not kept for writing back.
constexpr int MaxKeptBytes = 1 << 20;

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

struct Temporary {
    int fd = -1;
    std::string path;
};

// Creates a new, empty file in the folder under a name nobody else holds.
Temporary CreateTemporary(const std::string& folder)
{
    static unsigned counter = 0;
    const std::string stem = (folder == "/" ? std::string() : folder) + TemporaryPrefix +
                             std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
        Temporary file{-1, stem + std::to_string(counter++) + ".tmp"};
        // 0666 lets the user's umask decide, as for any new file.
        file.fd = ::open(file.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file.fd >= 0 || errno != EEXIST)
            return file;
    }
    return {};
}

bool WriteAll(int fd, std::span<const Byte> bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false; // the disk is full or the file may grow no further
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Once the new name is in place the save has succeeded; flushing the folder only makes the
// rename survive a power cut sooner, so a folder that cannot be flushed is not reported.
void FlushFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)::fsync(fd);
    ::close(fd);
}

} // namespace

ReadResult ReadFileStart(const std::string& path, std::size_t maxBytes)
{
    // Not blocking: a named pipe chosen by mistake must not hang the window.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {FileResult::CannotOpen, {}};
    std::vector<Byte> bytes(maxBytes);
    std::size_t got = 0;
    while (got < maxBytes) {
        const ssize_t n = ::read(fd, bytes.data() + got, maxBytes - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return {FileResult::ReadFailed, {}};
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    return {FileResult::Done, std::move(bytes)};
}

namespace {

// The file a save writes: the path itself, or what a symbolic link at it points to, followed
// link by link (a link to a file not yet there names the file to create). The link stays.
std::string FileBehindLinks(std::string path)
{
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target - 1);
        if (length < 0)
            return path;
        target[length] = '\0';
        const std::string folder = FolderOf(path);
        path = target[0] == '/' ? std::string(target) : folder + "/" + target;
    }
    return path; // a loop of links: the save fails on it as on any name it cannot write
}

bool MayWrite(const std::string& path)
{
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

// A replaced file keeps its mode, and its owner and group where the user may give them (root
// may; anyone may keep a group they belong to). What does not carry over leaves the user's
// defaults on the new file: the program inside is what the save is about.
void KeepOwnerAndMode(int fd, const struct stat& old)
{
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    (void)::fchmod(fd, old.st_mode & 07777);
}

FileResult ReplaceByRename(const std::string& path, std::span<const Byte> bytes,
                           const struct stat* old)
{
    const std::string folder = FolderOf(path);
    Temporary file = CreateTemporary(folder);
    if (file.fd < 0)
        return FileResult::CannotCreate;
    if (old)
        KeepOwnerAndMode(file.fd, *old);
    bool complete = WriteAll(file.fd, bytes) && ::fsync(file.fd) == 0;
    complete = ::close(file.fd) == 0 && complete;
    if (!complete) {
        ::unlink(file.path.c_str());
        return FileResult::WriteFailed;
    }
    if (::rename(file.path.c_str(), path.c_str()) != 0) {
        ::unlink(file.path.c_str());
        return FileResult::CannotReplace;
    }
    FlushFolder(folder);
    return FileResult::Done;
}

// Overwrites the file where it is, so that every hard link to it sees the new contents and a
// folder the user may not write in is no obstacle. The old contents are read first and written
// back should the new ones not all reach the disk.
FileResult ReplaceInPlace(const std::string& path, std::span<const Byte> bytes)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return FileResult::CannotCreate;
    std::vector<Byte> old(static_cast<std::size_t>(MaxKeptBytes));
    const ssize_t kept = ::pread(fd, old.data(), old.size(), 0);
    old.resize(kept > 0 ? static_cast<std::size_t>(kept) : 0);
    const auto put = [fd](std::span<const Byte> contents) {
        return ::lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, contents) &&
               ::ftruncate(fd, static_cast<off_t>(contents.size())) == 0 && ::fsync(fd) == 0;
    };
    if (put(bytes))
        return ::close(fd) == 0 ? FileResult::Done : FileResult::WriteFailed;
    (void)put(old); // the best that can be done: the old program back in its place
    ::close(fd);
    return FileResult::WriteFailed;
}

} // namespace

FileResult ReplaceFile(const std::string& chosen, std::span<const Byte> bytes)
{
    const std::string path = FileBehindLinks(chosen);
    struct stat old {};
    if (::stat(path.c_str(), &old) != 0 || !S_ISREG(old.st_mode))
        return ReplaceByRename(path, bytes, nullptr); // a new file (or no file a save can write)
    // Renaming over a file needs only the folder's permission: a file the user may not write
    // is refused here, as creating it would have been.
    if (!MayWrite(path))
        return FileResult::CannotCreate;
    if (old.st_nlink > 1 || !MayWrite(FolderOf(path)))
        return ReplaceInPlace(path, bytes);
    return ReplaceByRename(path, bytes, &old);
}

bool FileExists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}
