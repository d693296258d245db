#include "files/rawfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Names of the new files a save writes before they replace the old one. A short fixed prefix
// keeps them within the file system's name limit whatever the data file is called.
constexpr const char* TemporaryPrefix = "/.halvex-";
constexpr int TemporaryNameAttempts = 100;

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

FileResult ReplaceFile(const std::string& path, std::span<const Byte> bytes)
{
    const std::string folder = FolderOf(path);
    Temporary file = CreateTemporary(folder);
    if (file.fd < 0)
        return FileResult::CannotCreate;

    // A replaced file keeps its permissions. Should they not carry over, the file still gets
    // the user's defaults and its contents, which are what the save is about.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        (void)::fchmod(file.fd, old.st_mode & 07777);

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

bool FileExists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}
