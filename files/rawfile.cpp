#include "files/rawfile.h"

#include "model/translation.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <pwd.h>
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

// Opens a plain file, and nothing else: what stands at the name is looked at before it is
// opened (opening a serial device raises its lines; a named pipe without a writer never opens)
// and again once it is open, in case it changed in between. Not blocking either way.
int OpenPlainFile(const std::string& path, int flags, FileResult& why)
{
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0) {
        why = (flags & O_ACCMODE) == O_RDONLY ? FileResult::CannotOpen : FileResult::CannotCreate;
        return -1;
    }
    why = FileResult::NotAFile;
    if (!S_ISREG(named.st_mode))
        return -1;
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        why = (flags & O_ACCMODE) == O_RDONLY ? FileResult::CannotOpen : FileResult::CannotCreate;
        return -1;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_dev != named.st_dev ||
        opened.st_ino != named.st_ino) {
        ::close(fd);
        return -1;
    }
    why = FileResult::Done;
    return fd;
}

// The kernel's rule for links in folders where everyone may make files but only the owner of a
// file may remove it (sticky and world-writable, such as /tmp): a link there is followed only
// when it belongs to the one following it or to the folder's owner, so that nobody can plant a
// link that makes another user's program write into that user's own files.
bool MayFollow(const std::string& link, const struct stat& linkInfo)
{
    if (linkInfo.st_uid == ::geteuid())
        return true;
    struct stat folder {};
    if (::stat(FolderOf(link).c_str(), &folder) != 0)
        return false;
    const bool shared = (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    return !shared || folder.st_uid == linkInfo.st_uid;
}

} // namespace

ReadResult ReadFileStart(const std::string& path, std::size_t maxBytes)
{
    FileResult why = FileResult::Done;
    const int fd = OpenPlainFile(path, O_RDONLY, why);
    if (fd < 0)
        return {why, {}};
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
    FileResult why = FileResult::Done;
    const int fd = OpenPlainFile(path, O_RDWR | O_NOFOLLOW, why);
    if (fd < 0)
        return why;
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

LinkTarget FollowLinks(const std::string& chosen)
{
    std::string path = chosen;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return {FileResult::Done, path};
        if (!MayFollow(path, info))
            return {FileResult::LinkRefused, path};
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target - 1);
        if (length < 0)
            return {FileResult::Done, path};
        target[length] = '\0';
        path = target[0] == '/' ? std::string(target) : FolderOf(path) + "/" + target;
    }
    return {FileResult::Done, path}; // a loop of links: no file a save can write
}

FileResult ReplaceFile(const std::string& chosen, std::span<const Byte> bytes)
{
    const LinkTarget target = FollowLinks(chosen);
    if (target.result != FileResult::Done)
        return target.result;
    const std::string& path = target.file;
    struct stat old {};
    if (::lstat(path.c_str(), &old) != 0)
        return ReplaceByRename(path, bytes, nullptr); // a new file
    // A device, a pipe, a socket or a folder is never replaced by a file: /dev/null, say, must
    // stay what it is whoever saves to it (a loop of links ends here too).
    if (!S_ISREG(old.st_mode))
        return FileResult::NotAFile;
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

bool SameFile(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

namespace {

// What the reasons say, all in one place, for a translator too.
namespace Says {
constexpr auto LoopOfLinks = TranslatableText("FileErrors", "a loop of links");
constexpr auto LinkToNothing = TranslatableText("FileErrors", "a link to nothing");
constexpr auto Nothing = TranslatableText("FileErrors", "nothing");
constexpr auto File = TranslatableText("FileErrors", "a file");
constexpr auto Folder = TranslatableText("FileErrors", "a folder");
constexpr auto NamedPipe = TranslatableText("FileErrors", "a named pipe");
constexpr auto Socket = TranslatableText("FileErrors", "a socket");
constexpr auto Device = TranslatableText("FileErrors", "a device");
constexpr auto UserNumber = TranslatableText("FileErrors", "with the number %u");
constexpr auto RefusedLink = TranslatableText(
    "FileErrors", "%s is a link that the user %s made in %s, a folder where everyone may make "
                  "files. halvex follows such a link only when it is yours or the folder owner's, "
                  "as Linux itself does: it could lead anywhere.");
constexpr auto LeadsToRefusedLink = TranslatableText(
    "FileErrors", "%s leads to %s, which is a link that the user %s made in %s, a folder where "
                  "everyone may make files. halvex follows such a link only when it is yours or "
                  "the folder owner's, as Linux itself does: it could lead anywhere.");
constexpr auto NotAFile = TranslatableText(
    "FileErrors", "%s is %s, not a file: halvex reads and writes only plain files.");
constexpr auto LeadsToNotAFile = TranslatableText(
    "FileErrors", "%s leads to %s, which is %s, not a file: halvex reads and writes only plain "
                  "files.");
constexpr auto NoFile = TranslatableText("FileErrors", "There is no file %s.");
constexpr auto MayNotRead = TranslatableText("FileErrors", "You may not read %s.");
constexpr auto CannotOpen = TranslatableText("FileErrors", "%s could not be opened.");
constexpr auto MayNotWrite = TranslatableText("FileErrors", "You may not write %s.");
constexpr auto NoFolder = TranslatableText("FileErrors", "There is no folder %s.");
constexpr auto NotAFolder = TranslatableText("FileErrors", "%s is %s, not a folder.");
constexpr auto FolderNotWritable =
    TranslatableText("FileErrors", "No file can be made in %s: you may not write there.");
constexpr auto CannotRead = TranslatableText("FileErrors", "%s could not be read.");
constexpr auto WriteFailed = TranslatableText(
    "FileErrors", "%s could not be written completely (is the disk full?). The file that was "
                  "there is kept as it was.");
constexpr auto CannotReplace = TranslatableText(
    "FileErrors", "The new %s could not take the old one's place. The file that was there is "
                  "kept as it was.");
constexpr auto CannotRemove = TranslatableText("FileErrors", "%s could not be removed.");
} // namespace Says

template <typename... Args> std::string Format(const TranslatableText& text, Args... args)
{
    return FormatText(Translate(text).c_str(), args...);
}

} // namespace

std::string KindOfFile(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ELOOP)
            return Translate(Says::LoopOfLinks);
        return Translate(::lstat(path.c_str(), &info) == 0 ? Says::LinkToNothing : Says::Nothing);
    }
    if (S_ISREG(info.st_mode))
        return Translate(Says::File);
    if (S_ISDIR(info.st_mode))
        return Translate(Says::Folder);
    if (S_ISFIFO(info.st_mode))
        return Translate(Says::NamedPipe);
    if (S_ISSOCK(info.st_mode))
        return Translate(Says::Socket);
    return Translate(Says::Device);
}

namespace {

std::string UserName(uid_t uid)
{
    if (const passwd* user = ::getpwuid(uid))
        return user->pw_name;
    return Format(Says::UserNumber, unsigned(uid));
}

std::string RefusedLink(const std::string& path)
{
    const LinkTarget walk = FollowLinks(path);
    const std::string& link = walk.result == FileResult::LinkRefused ? walk.file : path;
    struct stat info {};
    const std::string owner = ::lstat(link.c_str(), &info) == 0 ? UserName(info.st_uid) : "?";
    const std::string folder = FolderOf(link);
    if (link == path)
        return Format(Says::RefusedLink, path.c_str(), owner.c_str(), folder.c_str());
    return Format(Says::LeadsToRefusedLink, path.c_str(), link.c_str(), owner.c_str(),
                  folder.c_str());
}

std::string NotAFileAt(const std::string& path)
{
    const std::string target = FollowLinks(path).file;
    const std::string kind = KindOfFile(target);
    if (target == path)
        return Format(Says::NotAFile, path.c_str(), kind.c_str());
    return Format(Says::LeadsToNotAFile, path.c_str(), target.c_str(), kind.c_str());
}

std::string CannotOpenWhy(const std::string& path)
{
    if (!FileExists(path))
        return Format(Says::NoFile, path.c_str());
    if (::access(path.c_str(), R_OK) != 0)
        return Format(Says::MayNotRead, path.c_str());
    return Format(Says::CannotOpen, path.c_str());
}

std::string CannotCreateWhy(const std::string& path)
{
    const std::string file = FollowLinks(path).file;
    if (FileExists(file) && !MayWrite(file))
        return Format(Says::MayNotWrite, file.c_str());
    const std::string folder = FolderOf(file);
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0)
        return Format(Says::NoFolder, folder.c_str());
    if (!S_ISDIR(info.st_mode))
        return Format(Says::NotAFolder, folder.c_str(), KindOfFile(folder).c_str());
    return Format(Says::FolderNotWritable, folder.c_str());
}

} // namespace

std::string DescribeFileResult(FileResult result, const std::string& path)
{
    switch (result) {
    case FileResult::Done:
        break;
    case FileResult::CannotOpen:
        return CannotOpenWhy(path);
    case FileResult::ReadFailed:
        return Format(Says::CannotRead, path.c_str());
    case FileResult::CannotCreate:
        return CannotCreateWhy(path);
    case FileResult::WriteFailed:
        return Format(Says::WriteFailed, path.c_str());
    case FileResult::CannotReplace:
        return Format(Says::CannotReplace, path.c_str());
    case FileResult::CannotRemove:
        return Format(Says::CannotRemove, path.c_str());
    case FileResult::LinkRefused:
        return RefusedLink(path);
    case FileResult::NotAFile:
        return NotAFileAt(path);
    }
    return {};
}
