#pragma once

// Real ways to make a save fail, root included: root writes through permission bits, but not
// through the immutable attribute nor past its own file-size limit.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <memory>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// Takes away write permission from a file or folder and sets its immutable attribute where the
// file system and the process allow it; both are given back when it goes out of scope.
// holds() tells whether it really keeps a new file out of the folder (for a folder) or the file
// from being replaced (for a file).
class Unchangeable {
public:
    explicit Unchangeable(const QString& path)
        : path(QFile::encodeName(path))
    {
        struct stat info {};
        if (::stat(this->path.constData(), &info) != 0)
            return;
        mode = info.st_mode & 07777;
        folder = S_ISDIR(info.st_mode);
        (void)::chmod(this->path.constData(), mode & ~0222u);
        immutable = setImmutable(true);
    }
    ~Unchangeable()
    {
        if (immutable)
            (void)setImmutable(false);
        (void)::chmod(path.constData(), mode);
    }
    Unchangeable(const Unchangeable&) = delete;
    Unchangeable& operator=(const Unchangeable&) = delete;

    bool holds() const
    {
        if (!folder)
            return immutable; // a file can be renamed over whatever its own permissions
        const QByteArray probe = path + "/probe";
        const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0)
            return true;
        ::close(fd);
        ::unlink(probe.constData());
        return false;
    }

private:
    bool setImmutable(bool on)
    {
        const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return done;
    }

    QByteArray path;
    mode_t mode = 0;
    bool folder = false;
    bool immutable = false;
};

// Limits the size any file of this process may grow to, so that a write past it stops short as
// on a full disk. The signal the limit raises is ignored meanwhile, so the write reports it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &previous);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, previous.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous{};
    void (*previousHandler)(int) = nullptr;
};

// Everything a folder holds, hidden files included: a failed save must leave no file behind.
inline QStringList FolderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

inline QByteArray FileBytes(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteBytes(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Bytes that differ from position to position and from one seed to another.
inline QByteArray Pattern(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 37 + seed * 101 + 11) & 0xFF);
    return bytes;
}

// The ways a save can fail that the tests make happen.
enum class SaveFault {
    MissingFolder,
    FolderIsAFile,        // a plain file stands where the path needs a folder
    FolderAtTheName,      // a folder already has the data file's name
    WriteCutShort,        // the disk takes only part of the bytes
    FileCannotBeReplaced, // the old file is immutable
    LinkToADevice,        // the name is a link to /dev/null
};

// A folder with an old data file in it, and a save set up to fail there. The folder's entries
// and the old file's bytes must come through the failed save unchanged.
struct FailingSave {
    QString folder;
    QString oldFile;
    QByteArray oldBytes;
    QString target;
    std::unique_ptr<Unchangeable> lock;
    bool cutShort = false; // run the save under a FileSizeLimit smaller than the file
    bool possible = true;  // false: this system cannot make the failure happen

    FailingSave(const QString& dir, SaveFault fault)
        : folder(dir + QStringLiteral("/folder"))
        , oldFile(folder + QStringLiteral("/shop.40t"))
        , oldBytes(Pattern(300, 9))
        , target(oldFile)
    {
        QDir().mkpath(folder);
        WriteBytes(oldFile, oldBytes);
        switch (fault) {
        case SaveFault::MissingFolder:
            target = folder + QStringLiteral("/missing/shop.40t");
            break;
        case SaveFault::FolderIsAFile:
            target = oldFile + QStringLiteral("/shop.40t");
            break;
        case SaveFault::FolderAtTheName:
            target = folder + QStringLiteral("/sub.40t");
            QDir().mkpath(target);
            WriteBytes(target + QStringLiteral("/inside"), Pattern(5, 2));
            break;
        case SaveFault::WriteCutShort:
            cutShort = true;
            break;
        case SaveFault::FileCannotBeReplaced:
            lock = std::make_unique<Unchangeable>(oldFile);
            possible = lock->holds();
            break;
        case SaveFault::LinkToADevice:
            target = folder + QStringLiteral("/null.40t");
            QFile::link(QStringLiteral("/dev/null"), target);
            break;
        }
    }
};
