#include "comm/settingsblock.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

#include <sys/stat.h>

namespace {

QByteArray Block(const SetsBuffer& buffer)
{
    return QByteArray(reinterpret_cast<const char*>(buffer.data()) + SettingsBlockOffset,
                      SettingsBlockSize);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class TestSettingsBlock : public QObject {
    Q_OBJECT

private slots:
    void savesExactlyTheBlock_data();
    void savesExactlyTheBlock();
    void savedBlockLoadsBackUnchanged();
    void unwritableFileIsAFailedSave();
    void namedPipeNeitherBlocksNorCounts();
    void portIndexUsesTheLowThreeBits_data();
    void portIndexUsesTheLowThreeBits();
    void choosingAPortReplacesTheWholeByte();
    void noSuchPortToChoose();

private:
    QTemporaryDir dir;
};

void TestSettingsBlock::savesExactlyTheBlock_data()
{
    QTest::addColumn<QByteArray>("existing");
    QTest::newRow("no file yet") << QByteArray();
    QTest::newRow("longer file is replaced") << QByteArray(40, '\x5A');
    QTest::newRow("shorter file is replaced") << QByteArray("\x01\x02", 2);
}

void TestSettingsBlock::savesExactlyTheBlock()
{
    QFETCH(QByteArray, existing);
    const QString path = dir.filePath(QStringLiteral("halvex.dat"));
    QFile::remove(path);
    if (!existing.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(existing);
    }
    SetsBuffer buffer;
    for (int i = 0; i < SetsBufferSize; ++i)
        buffer[i] = static_cast<Byte>(i * 7 + 3);
    QCOMPARE(SaveSettingsBlock(buffer, path.toStdString()), FileResult::Done);
    QCOMPARE(ReadAll(path), Block(buffer));
}

void TestSettingsBlock::savedBlockLoadsBackUnchanged()
{
    const QString path = dir.filePath(QStringLiteral("roundtrip.dat"));
    SetsBuffer saved;
    const Byte block[] = {0xFD, 0x00, 0xFF, 0x80, 0x7F, 0x01, 0x1A, 0x0D, 0x0A, 0xC3};
    for (int k = 0; k < SettingsBlockSize; ++k)
        saved[SettingsBlockOffset + k] = block[k];
    QCOMPARE(SaveSettingsBlock(saved, path.toStdString()), FileResult::Done);

    SetsBuffer loaded;
    QCOMPARE(LoadSettingsBlock(loaded, path.toStdString()), FileResult::Done);
    QCOMPARE(Block(loaded), Block(saved));
    for (int i = 0; i < SettingsBlockOffset; ++i)
        QCOMPARE(int(loaded[i]), 0); // the file reaches nothing outside the block
}

void TestSettingsBlock::unwritableFileIsAFailedSave()
{
    SetsBuffer buffer;
    QCOMPARE(SaveSettingsBlock(
                 buffer, dir.filePath(QStringLiteral("no/such/dir/halvex.dat")).toStdString()),
             FileResult::CannotCreate);
    QCOMPARE(SaveSettingsBlock(buffer, dir.path().toStdString()), FileResult::NotAFile);
    if (QFile::exists(QStringLiteral("/dev/full")))
        QCOMPARE(SaveSettingsBlock(buffer, "/dev/full"), FileResult::NotAFile); // never written
}

// A named pipe at the file's name has no writer (or reader) behind it: opening it the ordinary
// way would wait for one for ever, at start-up and in Settings.
void TestSettingsBlock::namedPipeNeitherBlocksNorCounts()
{
    const std::string pipe = dir.filePath(QStringLiteral("pipe.dat")).toStdString();
    QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
    SetsBuffer buffer;
    buffer[PortByte] = 5;
    QCOMPARE(LoadSettingsBlock(buffer, pipe), FileResult::NotAFile);
    QCOMPARE(int(buffer[PortByte]), 5); // nothing read
    QCOMPARE(SaveSettingsBlock(buffer, pipe), FileResult::NotAFile);
}

void TestSettingsBlock::portIndexUsesTheLowThreeBits_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("0x00") << 0x00 << 0 << "COM1";
    QTest::newRow("0x04") << 0x04 << 4 << "COM5";
    QTest::newRow("0x07") << 0x07 << 7 << "COM8";
    QTest::newRow("0x0A") << 0x0A << 2 << "COM3";
    QTest::newRow("0xF8") << 0xF8 << 0 << "COM1";
    QTest::newRow("0xFF") << 0xFF << 7 << "COM8";
}

void TestSettingsBlock::portIndexUsesTheLowThreeBits()
{
    QFETCH(int, byte);
    QFETCH(int, index);
    QFETCH(QString, name);
    SetsBuffer buffer;
    buffer[PortByte] = static_cast<Byte>(byte);
    QCOMPARE(PortIndex(buffer), index);
    QCOMPARE(QString::fromStdString(PortName(buffer)), name);
    QCOMPARE(int(buffer[PortByte]), byte); // reading never rewrites the byte
}

void TestSettingsBlock::choosingAPortReplacesTheWholeByte()
{
    SetsBuffer buffer;
    for (int index = 0; index < 8; ++index) {
        buffer[PortByte] = 0xF8;
        buffer[PortByte + 1] = 0x55;
        ChoosePort(buffer, index);
        QCOMPARE(int(buffer[PortByte]), index);
        QCOMPARE(int(buffer[PortByte + 1]), 0x55);
    }
}

void TestSettingsBlock::noSuchPortToChoose()
{
    SetsBuffer buffer;
    buffer[PortByte] = 0x0A;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, ChoosePort(buffer, 8));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, ChoosePort(buffer, -1));
    QCOMPARE(int(buffer[PortByte]), 0x0A);
}

QTEST_APPLESS_MAIN(TestSettingsBlock)
#include "tst_settingsblock.moc"
