#include "comm/clockframe.h"
#include "comm/localclock.h"
#include "fixedlocalclock.h"

#include <QTest>

#include <limits>

#include <cstdio>
#include <ctime>

Q_DECLARE_METATYPE(LocalDateTime)

namespace {

QByteArray Bytes(const SetsBuffer& buffer, int first, int last)
{
    return QByteArray(reinterpret_cast<const char*>(buffer.data()) + first, last - first + 1);
}

LocalDateTime At(int year, int month, int dayOfWeek, int day, int hour, int minute, int second)
{
    return LocalDateTime{year, month, dayOfWeek, day, hour, minute, second};
}

} // namespace

class TestClockFrame : public QObject {
    Q_OBJECT

private slots:
    void stampsDateAndTime_data();
    void stampsDateAndTime();
    void yearRunsOnPastTheCentury_data();
    void yearRunsOnPastTheCentury();
    void checksumCoversBytes14To120_data();
    void checksumCoversBytes14To120();
    void writesOnlyTheHeaderItOwns();
    void readsTheClockOnceAndRepeatsWithinASecond();
    void systemClockReadsLocalTime();
};

void TestClockFrame::stampsDateAndTime_data()
{
    QTest::addColumn<LocalDateTime>("time");
    QTest::addColumn<QByteArray>("bytes3to9");
    QTest::newRow("Tue 8 Dec 2026 00:15:42")
        << At(2026, 12, 2, 8, 0, 15, 42) << QByteArray("\x42\x15\x12\x03\x08\x12\x26", 7);
    QTest::newRow("Sat 16 Mar 2013 13:05:09")
        << At(2013, 3, 6, 16, 13, 5, 9) << QByteArray("\x09\x05\x81\x07\x16\x03\x13", 7);
    QTest::newRow("noon") << At(2024, 1, 1, 1, 12, 0, 0)
                          << QByteArray("\x00\x00\x92\x02\x01\x01\x24", 7);
    QTest::newRow("23:59:59 Sun 31 Oct")
        << At(2021, 10, 0, 31, 23, 59, 59) << QByteArray("\x59\x59\x91\x01\x31\x10\x21", 7);
    QTest::newRow("01:00 Am") << At(2000, 2, 2, 29, 1, 0, 0)
                              << QByteArray("\x00\x00\x01\x03\x29\x02\x00", 7);
    QTest::newRow("11:30 Am") << At(2099, 7, 4, 4, 11, 30, 0)
                              << QByteArray("\x00\x30\x11\x05\x04\x07\x99", 7);
    // Found by fuzzing: the day of the week overflowed when one more was added to it.
    constexpr int Most = std::numeric_limits<int>::max();
    QTest::newRow("every field at its highest") << At(Most, Most, Most, Most, Most, Most, Most)
                                                << QByteArray("\x95\x95\x87\x00\x95\x95\x47", 7);
}

void TestClockFrame::stampsDateAndTime()
{
    QFETCH(LocalDateTime, time);
    QFETCH(QByteArray, bytes3to9);
    FixedLocalClock clock;
    clock.time = time;
    SetsBuffer buffer;
    PrepareClockFrame(buffer, clock);
    QCOMPARE(Bytes(buffer, SecondByte, YearByte), bytes3to9);
    QCOMPARE(Bytes(buffer, FrameConstantsOffset, FrameConstantsOffset + 2),
             QByteArray("\x02\x11\x01", 3));
}

void TestClockFrame::yearRunsOnPastTheCentury_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("byte");
    QTest::newRow("2000") << 2000 << 0x00;
    QTest::newRow("2013") << 2013 << 0x13;
    QTest::newRow("2099") << 2099 << 0x99;
    QTest::newRow("2100") << 2100 << 0xA0;
    QTest::newRow("2155") << 2155 << 0xF5;
    QTest::newRow("2159") << 2159 << 0xF9;
    QTest::newRow("2160") << 2160 << 0x00;
    QTest::newRow("2255") << 2255 << 0x95; // 25 * 16 + 5, kept to eight bits
    QTest::newRow("2256") << 2256 << 0x00;
    QTest::newRow("1999") << 1999 << 0x95; // 255 by the same formula
    // Found by fuzzing: the extremes of the computer's year must not overflow the arithmetic.
    QTest::newRow("lowest year") << std::numeric_limits<int>::min() << 0x48;
    QTest::newRow("highest year") << std::numeric_limits<int>::max() << 0x47;
}

void TestClockFrame::yearRunsOnPastTheCentury()
{
    QFETCH(int, year);
    QFETCH(int, byte);
    FixedLocalClock clock;
    clock.time.year = year;
    SetsBuffer buffer;
    PrepareClockFrame(buffer, clock);
    QCOMPARE(int(buffer[YearByte]), byte);
}

void TestClockFrame::checksumCoversBytes14To120_data()
{
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("checksum");
    QTest::newRow("tables clear") << QList<int>{} << QList<int>{} << 0xFF;
    QTest::newRow("byte 121 lies outside") << QList<int>{121} << QList<int>{0xAB} << 0xFF;
    QTest::newRow("header and byte 122 lie outside")
        << QList<int>{0, 2, 10, 13, 122} << QList<int>{0x81, 0x99, 0x03, 0x44, 0x66} << 0xFF;
    QTest::newRow("0x87 0x30 0xBE")
        << QList<int>{14, 15, 16} << QList<int>{0x87, 0x30, 0xBE} << 0x8A;
    QTest::newRow("same, with byte 121")
        << QList<int>{14, 15, 16, 121} << QList<int>{0x87, 0x30, 0xBE, 0x12} << 0x8A;
    QTest::newRow("first and last byte count")
        << QList<int>{14, 120} << QList<int>{0x01, 0x02} << 0xFC;
    QTest::newRow("sum wraps") << QList<int>{20, 40, 60} << QList<int>{0xFF, 0xFF, 0x03} << 0xFE;
}

void TestClockFrame::checksumCoversBytes14To120()
{
    QFETCH(QList<int>, positions);
    QFETCH(QList<int>, values);
    QFETCH(int, checksum);
    FixedLocalClock clock;
    SetsBuffer buffer;
    for (int i = 0; i < positions.size(); ++i)
        buffer[positions[i]] = static_cast<Byte>(values[i]);
    PrepareClockFrame(buffer, clock);
    QCOMPARE(int(buffer[ChecksumByte]), checksum);

    int sum = buffer[ChecksumByte];
    for (int i = ChecksumFirstByte; i <= ChecksumLastByte; ++i)
        sum += buffer[i];
    QCOMPARE(sum % 256, 0xFF); // what the clock checks
}

void TestClockFrame::writesOnlyTheHeaderItOwns()
{
    SetsBuffer buffer;
    for (int i = 0; i < SetsBufferSize; ++i)
        buffer[i] = static_cast<Byte>(0xC0 + i);
    const SetsBuffer before = buffer;
    FixedLocalClock clock;
    PrepareClockFrame(buffer, clock);
    const QList<int> written{1, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13};
    for (int i = 0; i < SetsBufferSize; ++i) {
        if (!written.contains(i))
            QVERIFY2(buffer[i] == before[i], qPrintable(QStringLiteral("byte %1").arg(i)));
    }
}

void TestClockFrame::readsTheClockOnceAndRepeatsWithinASecond()
{
    FixedLocalClock clock;
    SetsBuffer buffer;
    buffer[30] = 0x42;
    buffer[200] = 0xFF; // upper bits mean nothing: the port is COM8
    QCOMPARE(PrepareClockFrame(buffer, clock), std::string("COM8"));
    QCOMPARE(clock.reads, 1);
    const SetsBuffer first = buffer;
    PrepareClockFrame(buffer, clock);
    QVERIFY(buffer == first);
}

// The reading must be one of the local times around it (the second may turn meanwhile).
void TestClockFrame::systemClockReadsLocalTime()
{
    // Read back through the C library's own formatting, not by the field arithmetic.
    const auto local = [](std::time_t t) {
        std::tm tm{};
        localtime_r(&t, &tm);
        char text[64] = {};
        std::strftime(text, sizeof text, "%Y %m %w %d %H %M %S", &tm);
        LocalDateTime read;
        std::sscanf(text, "%d %d %d %d %d %d %d", &read.year, &read.month, &read.dayOfWeek,
                    &read.day, &read.hour, &read.minute, &read.second);
        return read;
    };
    const auto same = [](const LocalDateTime& a, const LocalDateTime& b) {
        return a.year == b.year && a.month == b.month && a.dayOfWeek == b.dayOfWeek &&
               a.day == b.day && a.hour == b.hour && a.minute == b.minute && a.second == b.second;
    };
    const std::time_t before = std::time(nullptr);
    SystemLocalClock clock;
    const LocalDateTime read = clock.now();
    const std::time_t after = std::time(nullptr);
    bool found = false;
    for (std::time_t t = before; t <= after; ++t)
        found = found || same(read, local(t));
    QVERIFY(found);
    QVERIFY(read.month >= 1 && read.month <= 12);
    QVERIFY(read.dayOfWeek >= 0 && read.dayOfWeek <= 6);
    QVERIFY(read.year >= 2024);
}

QTEST_APPLESS_MAIN(TestClockFrame)
#include "tst_clockframe.moc"
