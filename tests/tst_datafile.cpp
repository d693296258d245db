#include "comm/settingsblock.h"
#include "files/datafile.h"
#include "files/dosimport.h"
#include "files/recoveryfile.h"

#include "filefaults.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(SaveFault)
Q_DECLARE_METATYPE(FileResult)

namespace {

std::string Path(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}

// A buffer whose every byte, settings block included, differs from the files' patterns.
SetsBuffer Filled()
{
    SetsBuffer buffer;
    for (int i = 0; i < SetsBufferSize; ++i)
        buffer[i] = Byte(0xC0 ^ i);
    return buffer;
}

QByteArray Bytes(const SetsBuffer& buffer, int from, int count)
{
    return QByteArray(reinterpret_cast<const char*>(buffer.data() + from), count);
}

} // namespace

class TestDataFile : public QObject {
    Q_OBJECT

private slots:
    void init();

    void extensionRule_data();
    void extensionRule();
    void loadOpensTheSavedNameOfAnUntypedExtension_data();
    void loadOpensTheSavedNameOfAnUntypedExtension();

    void saveWritesBytesZeroTo199_data();
    void saveWritesBytesZeroTo199();
    void saveKeepsPermissionsOfTheFileItReplaces();
    void failedSaveLeavesTheOldFile_data();
    void failedSaveLeavesTheOldFile();
    void saveFollowsLinksAndWritesSharedFilesInPlace();
    void failedSaveInPlaceWritesTheOldBytesBack();
    void unwritableFileIsRefusedForAUser();
    void saveRules_data();
    void saveRules();

    void loadReplacesOnlyWhatTheFileHolds_data();
    void loadReplacesOnlyWhatTheFileHolds();
    void importFillsFromByte13AndClearsTheHeader_data();
    void importFillsFromByte13AndClearsTheHeader();
    void failedReadChangesNothing_data();
    void failedReadChangesNothing();
    void aPipeOrADeviceIsNeverOpened();

    void stateFolder_data();
    void stateFolder();
    void keptProgramsOneFileAWindow();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString in(const QString& name) const { return dir->filePath(name); }
};

void TestDataFile::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestDataFile::extensionRule_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("named"); // empty: refused
    QTest::newRow("no extension") << "shop"
                                  << "shop.40t";
    QTest::newRow("other extension") << "shop.txt"
                                     << "shop.40t";
    QTest::newRow("from the first dot") << "shop.old.40t"
                                        << "shop.40t";
    QTest::newRow("lower case") << "SHOP.40T"
                                << "SHOP.40t";
    QTest::newRow("trailing dot") << "shop."
                                  << "shop.40t";
    QTest::newRow("dot in a folder") << "/home/a/my.files/shop"
                                     << "/home/a/my.files/shop.40t";
    QTest::newRow("dots in folder and name") << "/home/a/my.files/shop.txt"
                                             << "/home/a/my.files/shop.40t";
    QTest::newRow("relative") << "data.d/shop"
                              << "data.d/shop.40t";
    QTest::newRow("hidden name") << ".profile"
                                 << ".profile.40t";
    QTest::newRow("hidden name, extension") << "/home/a/.profile.txt"
                                            << "/home/a/.profile.40t";
    QTest::newRow("DOS file") << "/x/SHOP.QDV"
                              << "/x/SHOP.40t";
    QTest::newRow("no name") << "/home/a/"
                             << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("this folder") << "/home/a/."
                                 << "";
    QTest::newRow("parent folder") << ".."
                                   << "";
    const QString folder = QStringLiteral("/") + QString(200, 'f') + QStringLiteral("/");
    const QString name49 = QString(49, 'n');
    QTest::newRow("255 with extension") << folder + name49 << folder + name49 + ".40t";
    QTest::newRow("256 with extension") << folder + name49 + "n"
                                        << "";
    QTest::newRow("long extension shortened")
        << folder + name49 + ".somewhat-long-extension" << folder + name49 + ".40t";
    QTest::newRow("long folder") << QStringLiteral("/") + QString(300, 'f') + ".d/x"
                                 << "";
    // The limit counts characters: 255 of them are 305 bytes in UTF-8 here.
    const QString accented = QStringLiteral("/") + QString(200, QChar(0xE9)) + QStringLiteral("/");
    QTest::newRow("255 characters, more bytes") << accented + name49 << accented + name49 + ".40t";
    QTest::newRow("256 characters") << accented + name49 + "n"
                                    << "";
}

void TestDataFile::extensionRule()
{
    QFETCH(QString, chosen);
    QFETCH(QString, named);
    const std::optional<std::string> result = ApplyDataFileExtension(chosen.toStdString());
    if (named.isEmpty()) {
        QVERIFY2(!result, result ? result->c_str() : "");
    } else {
        QVERIFY(result);
        QCOMPARE(QString::fromUtf8(QByteArray::fromStdString(*result)), named);
    }
}

void TestDataFile::loadOpensTheSavedNameOfAnUntypedExtension_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("opened");
    QTest::newRow("saved as shop.40t") << "shop"
                                       << "shop.40t";
    QTest::newRow("file without extension") << "plain"
                                            << "plain";
    QTest::newRow("neither exists") << "other"
                                    << "other";
    QTest::newRow("only another extension exists") << "notes"
                                                   << "notes";
    QTest::newRow("typed extension is kept") << "shop.txt"
                                             << "shop.txt";
    QTest::newRow("hidden name") << ".hidden"
                                 << ".hidden.40t";
}

void TestDataFile::loadOpensTheSavedNameOfAnUntypedExtension()
{
    QFETCH(QString, typed);
    QFETCH(QString, opened);
    for (const char* name : {"shop.40t", "plain", "plain.40t", "notes.txt", ".hidden.40t"})
        QVERIFY(WriteBytes(in(name), "x"));
    QCOMPARE(QString::fromStdString(DataFileToOpen(Path(in(typed)))), in(opened));
}

void TestDataFile::saveWritesBytesZeroTo199_data()
{
    QTest::addColumn<int>("oldSize"); // -1: no file yet
    QTest::newRow("new file") << -1;
    QTest::newRow("over a longer file") << 500;
    QTest::newRow("over a shorter file") << 7;
    QTest::newRow("over an empty file") << 0;
}

void TestDataFile::saveWritesBytesZeroTo199()
{
    QFETCH(int, oldSize);
    if (oldSize >= 0)
        QVERIFY(WriteBytes(in("shop.40t"), Pattern(oldSize, 4)));
    const SetsBuffer buffer = Filled();
    QCOMPARE(SaveDataFile(buffer, Path(in("shop.40t"))), FileResult::Done);
    QCOMPARE(FileBytes(in("shop.40t")), Bytes(buffer, 0, DataFileLength));
    QCOMPARE(FolderEntries(dir->path()), QStringList{"shop.40t"});
}

void TestDataFile::saveKeepsPermissionsOfTheFileItReplaces()
{
    const mode_t previousMask = ::umask(022);
    const SetsBuffer buffer = Filled();
    const FileResult created = SaveDataFile(buffer, Path(in("new.40t")));
    QVERIFY(WriteBytes(in("old.40t"), "old"));
    QVERIFY(::chmod(QFile::encodeName(in("old.40t")).constData(), 0640) == 0);
    const FileResult replaced = SaveDataFile(buffer, Path(in("old.40t")));
    ::umask(previousMask);
    QCOMPARE(created, FileResult::Done);
    QCOMPARE(replaced, FileResult::Done);
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(in("new.40t")).constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0644));
    QCOMPARE(::stat(QFile::encodeName(in("old.40t")).constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0640));
}

void TestDataFile::failedSaveLeavesTheOldFile_data()
{
    QTest::addColumn<SaveFault>("fault");
    QTest::addColumn<FileResult>("result");
    QTest::newRow("missing folder") << SaveFault::MissingFolder << FileResult::CannotCreate;
    QTest::newRow("folder is a file") << SaveFault::FolderIsAFile << FileResult::CannotCreate;
    QTest::newRow("folder at the name") << SaveFault::FolderAtTheName << FileResult::NotAFile;
    QTest::newRow("write cut short") << SaveFault::WriteCutShort << FileResult::WriteFailed;
    // A file that may not be written is refused, though the folder would let a new file take
    // its place.
    QTest::newRow("file cannot be written")
        << SaveFault::FileCannotBeReplaced << FileResult::CannotCreate;
}

void TestDataFile::failedSaveLeavesTheOldFile()
{
    QFETCH(SaveFault, fault);
    QFETCH(FileResult, result);
    FailingSave save(dir->path(), fault);
    if (!save.possible)
        QSKIP("this system lets the process write there anyway");
    const QStringList entries = FolderEntries(save.folder);
    const bool targetWasFolder = QFileInfo(save.target).isDir();

    FileResult saved;
    {
        std::optional<FileSizeLimit> limit;
        if (save.cutShort)
            limit.emplace(DataFileLength / 2);
        saved = SaveDataFile(Filled(), Path(save.target));
    }
    QCOMPARE(saved, result);
    QCOMPARE(FileBytes(save.oldFile), save.oldBytes);
    QCOMPARE(FolderEntries(save.folder), entries);
    QCOMPARE(QFileInfo(save.target).isDir(), targetWasFolder);
}

// A symbolic link stays a link and its file gets the program (a link to nothing creates its
// file); a file with a second name, or in a folder no new file may be made in, is written where
// it is, so every name sees the new program; a replaced file keeps its owner and group.
void TestDataFile::saveFollowsLinksAndWritesSharedFilesInPlace()
{
    const QByteArray program = QByteArray(reinterpret_cast<const char*>(Filled().data()), 200);
    const auto save = [&](const QString& name) { return SaveDataFile(Filled(), Path(in(name))); };

    WriteBytes(in("real.40t"), Pattern(50, 3));
    QVERIFY(QFile::link(QStringLiteral("real.40t"), in("link.40t")));
    QCOMPARE(save(QStringLiteral("link.40t")), FileResult::Done);
    QCOMPARE(QFileInfo(in("link.40t")).symLinkTarget(), in("real.40t"));
    QCOMPARE(FileBytes(in("real.40t")), program);

    QVERIFY(QFile::link(in("sub/made.40t"), in("dangling.40t")));
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("sub")));
    QCOMPARE(save(QStringLiteral("dangling.40t")), FileResult::Done);
    QVERIFY(QFileInfo(in("dangling.40t")).isSymLink());
    QCOMPARE(FileBytes(in("sub/made.40t")), program);

    WriteBytes(in("first.40t"), Pattern(50, 4));
    QCOMPARE(::link(Path(in("first.40t")).c_str(), Path(in("second.40t")).c_str()), 0);
    QCOMPARE(save(QStringLiteral("second.40t")), FileResult::Done);
    QCOMPARE(FileBytes(in("first.40t")), program);
    QCOMPARE(FileBytes(in("second.40t")), program);

    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("closed")));
    WriteBytes(in("closed/shop.40t"), Pattern(50, 5));
    {
        const Unchangeable folder(in("closed"));
        if (folder.holds())
            QCOMPARE(save(QStringLiteral("closed/shop.40t")), FileResult::Done);
    }
    if (FileBytes(in("closed/shop.40t")) != Pattern(50, 5))
        QCOMPARE(FileBytes(in("closed/shop.40t")), program);

    if (::geteuid() != 0)
        QSKIP("giving a file to another owner needs root");
    WriteBytes(in("theirs.40t"), Pattern(50, 6));
    QCOMPARE(::chown(Path(in("theirs.40t")).c_str(), 65534, 65534), 0);
    QCOMPARE(save(QStringLiteral("theirs.40t")), FileResult::Done);
    struct stat info {};
    QCOMPARE(::stat(Path(in("theirs.40t")).c_str(), &info), 0);
    QCOMPARE(int(info.st_uid), 65534);
    QCOMPARE(int(info.st_gid), 65534);
    QCOMPARE(FileBytes(in("theirs.40t")), program);
}

// The disk takes only part of the new program of a file saved in place: the old bytes go back.
void TestDataFile::failedSaveInPlaceWritesTheOldBytesBack()
{
    const QByteArray old = Pattern(60, 7);
    WriteBytes(in("first.40t"), old);
    QCOMPARE(::link(Path(in("first.40t")).c_str(), Path(in("second.40t")).c_str()), 0);
    FileResult saved;
    {
        const FileSizeLimit limit(DataFileLength / 2);
        saved = SaveDataFile(Filled(), Path(in("first.40t")));
    }
    QCOMPARE(saved, FileResult::WriteFailed);
    QCOMPARE(FileBytes(in("first.40t")), old);
    QCOMPARE(FileBytes(in("second.40t")), old);
}

// Root may write any file, so the refusal is tried by a child that runs as nobody.
void TestDataFile::unwritableFileIsRefusedForAUser()
{
    WriteBytes(in("ro.40t"), Pattern(60, 8));
    QCOMPARE(::chmod(Path(in("ro.40t")).c_str(), 0444), 0);
    if (::geteuid() != 0) {
        QCOMPARE(SaveDataFile(Filled(), Path(in("ro.40t"))), FileResult::CannotCreate);
    } else {
        QCOMPARE(::chmod(Path(dir->path()).c_str(), 0777), 0); // the folder would allow a rename
        const pid_t child = ::fork();
        if (child == 0) {
            const bool nobody = ::setgid(65534) == 0 && ::setuid(65534) == 0;
            const FileResult result = SaveDataFile(Filled(), Path(in("ro.40t")));
            ::_exit(nobody && result == FileResult::CannotCreate ? 0 : 1);
        }
        int status = -1;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    QCOMPARE(FileBytes(in("ro.40t")), Pattern(60, 8));
}

// What a save may write: a link is followed only where Linux itself would follow it in a folder
// where everyone may make files (sticky, as /tmp): the user's own link or the folder owner's. A
// link that another user planted there is refused, for a program and for halvex.dat alike, and
// so is anything that is no plain file, wherever a link leads. The other user is a real one:
// nobody (65534) plants the link, through setpriv.
void TestDataFile::saveRules_data()
{
    QTest::addColumn<QString>("at");        // what stands at the saved name
    QTest::addColumn<bool>("settingsFile"); // saved as halvex.dat rather than as a program
    QTest::addColumn<FileResult>("result");
    QTest::newRow("the user's link in a shared folder") << "own link" << false << FileResult::Done;
    QTest::newRow("another user's link in a shared folder")
        << "their link" << false << FileResult::LinkRefused;
    QTest::newRow("halvex.dat, another user's link in a shared folder")
        << "their link" << true << FileResult::LinkRefused;
    QTest::newRow("the folder owner's link in a shared folder")
        << "folder owner's link" << false << FileResult::Done;
    QTest::newRow("another user's link in a folder of theirs")
        << "their link, their folder" << false << FileResult::Done;
    QTest::newRow("a link to a device") << "link to /dev/null" << false << FileResult::NotAFile;
    QTest::newRow("halvex.dat, a link to a named pipe")
        << "link to a pipe" << true << FileResult::NotAFile;
    QTest::newRow("a socket") << "socket" << false << FileResult::NotAFile;
}

void TestDataFile::saveRules()
{
    QFETCH(QString, at);
    QFETCH(bool, settingsFile);
    QFETCH(FileResult, result);
    const bool planted = at.startsWith(QLatin1String("their")) || at.startsWith("folder owner");
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (planted && (::geteuid() != 0 || setpriv.isEmpty()))
        QSKIP("another user's link needs root and setpriv");
    QCOMPARE(::chmod(Path(dir->path()).c_str(), 0755), 0); // the other user reaches in
    const QString folder = in("shared");
    QVERIFY(QDir().mkdir(folder));
    QCOMPARE(::chmod(Path(folder).c_str(), at.contains("their folder") ? 0755 : 01777), 0);
    if (at.contains(QLatin1String("folder")))
        QCOMPARE(::chown(Path(folder).c_str(), 65534, 65534), 0);
    const QString notes = in("notes.txt"); // the user's own file, which a link may lead to
    QVERIFY(WriteBytes(notes, Pattern(300, 3)));
    const QString name = folder + (settingsFile ? "/halvex.dat" : "/report.40t");
    QString reached = notes;
    if (planted) {
        QProcess plant;
        plant.start(setpriv,
                    {"--reuid=65534", "--regid=65534", "--clear-groups", "ln", "-s", notes, name});
        QVERIFY(plant.waitForFinished(30000));
        QVERIFY2(plant.exitCode() == 0, plant.readAllStandardError().constData());
    } else if (at == QLatin1String("own link")) {
        QVERIFY(QFile::link(notes, name));
    } else if (at == QLatin1String("link to /dev/null")) {
        reached = QStringLiteral("/dev/null");
        QVERIFY(QFile::link(reached, name));
    } else if (at == QLatin1String("link to a pipe")) {
        reached = in("pipe");
        QCOMPARE(::mkfifo(Path(reached).c_str(), 0600), 0);
        QVERIFY(QFile::link(reached, name));
    } else {
        reached = name;
        const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, Path(name).c_str(), sizeof address.sun_path);
        QCOMPARE(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(sock);
    }
    struct stat before {};
    QCOMPARE(::stat(Path(reached).c_str(), &before), 0);

    const SetsBuffer program = Filled();
    const FileResult saved =
        settingsFile ? SaveSettingsBlock(program, Path(name)) : SaveDataFile(program, Path(name));
    QCOMPARE(saved, result);
    struct stat after {};
    QCOMPARE(::stat(Path(reached).c_str(), &after), 0);
    QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT); // a device stays a device
    if (result == FileResult::Done)
        QCOMPARE(FileBytes(notes), Bytes(program, settingsFile ? SettingsBlockOffset : 0,
                                         settingsFile ? SettingsBlockSize : DataFileLength));
    else if (reached == notes)
        QCOMPARE(FileBytes(notes), Pattern(300, 3));
    if (at.contains(QLatin1String("link")))
        QVERIFY(QFileInfo(name).isSymLink()); // the link stays
    if (result == FileResult::LinkRefused)
        QVERIFY2(QString::fromStdString(DescribeFileResult(result, Path(name)))
                     .contains(" is a link that the user nobody made in " + folder),
                 DescribeFileResult(result, Path(name)).c_str());
    QCOMPARE(FolderEntries(folder).size(), 1); // no temporary file left behind
}

void TestDataFile::loadReplacesOnlyWhatTheFileHolds_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("one byte") << 1;
    QTest::newRow("50 bytes") << 50;
    QTest::newRow("199 bytes") << 199;
    QTest::newRow("200 bytes") << 200;
    QTest::newRow("longer: first 200") << 250;
}

void TestDataFile::loadReplacesOnlyWhatTheFileHolds()
{
    QFETCH(int, size);
    const QByteArray file = Pattern(size, 1);
    QVERIFY(WriteBytes(in("shop.40t"), file));
    const SetsBuffer before = Filled();
    SetsBuffer buffer = before;
    QCOMPARE(LoadDataFile(buffer, Path(in("shop.40t"))), FileResult::Done);
    const int loaded = std::min(size, DataFileLength);
    QCOMPARE(Bytes(buffer, 0, loaded), file.left(loaded));
    QCOMPARE(Bytes(buffer, loaded, SetsBufferSize - loaded),
             Bytes(before, loaded, SetsBufferSize - loaded));
}

void TestDataFile::importFillsFromByte13AndClearsTheHeader_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("one byte") << 1;
    QTest::newRow("steps and annuals") << 109;
    QTest::newRow("187 bytes") << 187;
    QTest::newRow("longer: first 187") << 300;
}

void TestDataFile::importFillsFromByte13AndClearsTheHeader()
{
    QFETCH(int, size);
    const QByteArray file = Pattern(size, 2);
    QVERIFY(WriteBytes(in("SHOP.QDV"), file));
    const SetsBuffer before = Filled();
    SetsBuffer buffer = before;
    QCOMPARE(ImportDosVersionFile(buffer, Path(in("SHOP.QDV"))), FileResult::Done);
    const int read = std::min(size, DosFileLength);
    const int end = 13 + read;
    QCOMPARE(Bytes(buffer, 0, 14), QByteArray(14, '\0'));
    if (read > 1)
        QCOMPARE(Bytes(buffer, 14, read - 1), file.mid(1, read - 1));
    const int kept = std::max(end, 14);
    QCOMPARE(Bytes(buffer, kept, SetsBufferSize - kept),
             Bytes(before, kept, SetsBufferSize - kept));
}

void TestDataFile::failedReadChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<FileResult>("result");
    QTest::newRow("missing") << "gone.40t" << FileResult::CannotOpen;
    QTest::newRow("in a missing folder") << "nowhere/shop.40t" << FileResult::CannotOpen;
    QTest::newRow("a folder") << "folder.40t" << FileResult::NotAFile;
}

void TestDataFile::failedReadChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(FileResult, result);
    QVERIFY(QDir(dir->path()).mkdir("folder.40t"));
    const SetsBuffer before = Filled();
    SetsBuffer buffer = before;
    QCOMPARE(LoadDataFile(buffer, Path(in(name))), result);
    QCOMPARE(buffer, before);
    QCOMPARE(ImportDosVersionFile(buffer, Path(in(name))), result);
    QCOMPARE(buffer, before);
}

// Nobody writes into the pipe: opening it to read would wait for a writer and hang the window.
// A device is not opened either: a serial device would raise its lines.
void TestDataFile::aPipeOrADeviceIsNeverOpened()
{
    QCOMPARE(::mkfifo(QFile::encodeName(in("pipe")).constData(), 0600), 0);
    SetsBuffer buffer = Filled();
    QCOMPARE(LoadDataFile(buffer, Path(in("pipe"))), FileResult::NotAFile);
    QCOMPARE(LoadDataFile(buffer, "/dev/zero"), FileResult::NotAFile);
    QCOMPARE(buffer, Filled());
    QCOMPARE(QString::fromStdString(DescribeFileResult(FileResult::NotAFile, Path(in("pipe")))),
             in("pipe") +
                 " is a named pipe, not a file: halvex reads and writes only plain files.");
}

void TestDataFile::stateFolder_data()
{
    QTest::addColumn<QString>("xdgStateHome"); // "-" for unset
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("folder");
    QTest::newRow("XDG_STATE_HOME") << "/x/state"
                                    << "/home/a"
                                    << "/x/state/halvex";
    QTest::newRow("unset") << "-"
                           << "/home/a"
                           << "/home/a/.local/state/halvex";
    QTest::newRow("empty") << ""
                           << "/home/a"
                           << "/home/a/.local/state/halvex";
    QTest::newRow("relative is ignored") << "state"
                                         << "/home/a"
                                         << "/home/a/.local/state/halvex";
    QTest::newRow("nowhere") << "-"
                             << "-"
                             << "";
    QTest::newRow("relative home") << "-"
                                   << "a"
                                   << "";
}

void TestDataFile::stateFolder()
{
    QFETCH(QString, xdgStateHome);
    QFETCH(QString, home);
    const auto arg = [](const QString& v) { return v == "-" ? std::string() : v.toStdString(); };
    const std::string xdg = arg(xdgStateHome);
    const std::string user = arg(home);
    QTEST(QString::fromStdString(StateFolder(xdgStateHome == "-" ? nullptr : xdg.c_str(),
                                             home == "-" ? nullptr : user.c_str())),
          "folder");
}

// Every window keeps its unsaved program in a file of its own, held while it runs: no other
// window offers, overwrites or removes it. A window that ends leaves its file to be offered;
// one window takes it (and keeps it as its own from then on). A file saved under a kept file's
// name is the user's, and stays.
void TestDataFile::keptProgramsOneFileAWindow()
{
    const std::string folder = Path(in("state/deep/halvex")); // made with its parents
    const auto image = [](char fill) {
        ProgramImage bytes{};
        bytes.fill(Byte(fill));
        return bytes;
    };
    const auto onDisk = [&](const char* name) {
        QFile f(in(QStringLiteral("state/deep/halvex/") + name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("none");
    };
    const auto bytes = [](const ProgramImage& kept) {
        return QByteArray(reinterpret_cast<const char*>(kept.data()), ProgramImageSize);
    };

    // Window A, in a process of its own, keeps its program and is killed.
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t windowA = ::fork();
    if (windowA == 0) {
        RecoveryKeeper a(folder);
        const bool kept = a.keepUnsaved(image(0x11)) == FileResult::Done;
        (void)!::write(ready[1], &kept, 1);
        for (;;)
            ::pause();
    }
    bool keptByA = false;
    QCOMPARE(::read(ready[0], &keptByA, 1), ssize_t(1));
    QVERIFY(keptByA);
    QCOMPARE(QFileInfo(in("state/deep/halvex")).permissions().toInt() & 0x0077, 0); // private
    {
        RecoveryKeeper b(folder);
        QVERIFY(FindKeptPrograms(folder).empty()); // A runs: its program is not offered
        QCOMPARE(b.keepUnsaved(image(0x22)), FileResult::Done);
        QCOMPARE(onDisk("unsaved.40t"), bytes(image(0x11)));
        QCOMPARE(onDisk("unsaved-2.40t"), bytes(image(0x22)));
        QCOMPARE(::kill(windowA, SIGKILL), 0);
        QCOMPARE(::waitpid(windowA, nullptr, 0), windowA);
        const std::vector<KeptProgram> left = FindKeptPrograms(folder);
        QCOMPARE(int(left.size()), 1);
        QVERIFY(left.front().image == image(0x11));
        QCOMPARE(b.nothingUnsaved(), FileResult::Done); // B saved: its own file goes, not A's
        QCOMPARE(onDisk("unsaved-2.40t"), QByteArray("none"));
        QCOMPARE(onDisk("unsaved.40t"), bytes(image(0x11)));
    }

    // Window C takes A's program; a window that wants it too finds it taken.
    RecoveryKeeper c(folder);
    RecoveryKeeper d(folder);
    const std::vector<KeptProgram> offered = FindKeptPrograms(folder);
    QCOMPARE(int(offered.size()), 1);
    QVERIFY(c.take(offered.front()) == image(0x11));
    QVERIFY(!d.take(offered.front()));
    QVERIFY(FindKeptPrograms(folder).empty());
    QCOMPARE(onDisk("unsaved.40t"), QByteArray("none"));
    QCOMPARE(onDisk("unsaved-2.40t"), bytes(image(0x11))); // now C's own

    // Save onto C's kept file is a save like any other: the file stays, and C keeps elsewhere.
    QCOMPARE(SaveDataFile(Filled(), Path(in("state/deep/halvex/unsaved-2.40t"))), FileResult::Done);
    QCOMPARE(c.nothingUnsaved(), FileResult::Done);
    QCOMPARE(onDisk("unsaved-2.40t"), Bytes(Filled(), 0, DataFileLength));
    QCOMPARE(c.keepUnsaved(image(0x33)), FileResult::Done);
    QCOMPARE(onDisk("unsaved-2.40t"), Bytes(Filled(), 0, DataFileLength));
    QCOMPARE(onDisk("unsaved.40t"), bytes(image(0x33)));

    // A file of another size is no program: nothing is offered.
    QVERIFY(WriteBytes(in("state/deep/halvex/unsaved-7.40t"), Pattern(199, 1)));
    QCOMPARE(int(FindKeptPrograms(folder).size()), 1); // the saved one, no window holds it
}

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
