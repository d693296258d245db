#include "print/report.h"

#include <QTest>

#include <climits>

namespace {

using Lines = std::vector<ReportLine>;

const StatusControls AllFirstItems{0, 0, 0, 0};

QList<int> Ys(const Lines& lines)
{
    QList<int> ys;
    for (const ReportLine& line : lines)
        ys << line.y;
    return ys;
}

QStringList Texts(const Lines& lines)
{
    QStringList texts;
    for (const ReportLine& line : lines)
        texts << QString::fromStdString(line.text);
    return texts;
}

void SetStep(SetsBuffer& buffer, int step, Byte time, Byte minute, Byte day)
{
    WriteStep(buffer, step, {time, minute, day});
}

void SetAnnual(SetsBuffer& buffer, const BufferLayout& layout, int annual,
               std::array<Byte, AnnualRecordSize> bytes)
{
    for (int f = 0; f < AnnualRecordSize; ++f)
        buffer[AnnualOffset(layout, annual) + f] = bytes[static_cast<std::size_t>(f)];
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void mulDivRoundsHalvesAwayFromZero_data();
    void mulDivRoundsHalvesAwayFromZero();
    void metricsFollowTheVerticalResolution_data();
    void metricsFollowTheVerticalResolution();
    void positions_data();
    void positions();
    void clearedBufferPrintsHeadingsAndStatusOnly();
    void everyRecordSetFillsTheLayout_data();
    void everyRecordSetFillsTheLayout();
    void clearedStepIsLeftOutWhateverItHolds_data();
    void clearedStepIsLeftOutWhateverItHolds();
    void annualsLeftOutOnlyByTheStartMonth();
    void statusLine_data();
    void statusLine();
    void unknownDayCodesAreNormalisedAndNothingElseChanges();
};

void TestReport::mulDivRoundsHalvesAwayFromZero_data()
{
    QTest::addColumn<qint64>("a");
    QTest::addColumn<qint64>("b");
    QTest::addColumn<qint64>("c");
    QTest::addColumn<qint64>("result");
    QTest::newRow("exact") << 12LL << 600LL << 72LL << 100LL;
    QTest::newRow("half up") << 1LL << 1LL << 2LL << 1LL;
    QTest::newRow("one and a half up") << 3LL << 1LL << 2LL << 2LL;
    QTest::newRow("negative half away") << -1LL << 1LL << 2LL << -1LL;
    QTest::newRow("negative one and a half") << 3LL << -1LL << 2LL << -2LL;
    QTest::newRow("negative divisor") << 3LL << 1LL << -2LL << -2LL;
    QTest::newRow("both negative") << -3LL << -1LL << 2LL << 2LL;
    QTest::newRow("product beyond 32 bits")
        << qint64(INT_MAX) << qint64(INT_MAX) << qint64(INT_MAX) << qint64(INT_MAX);
}

void TestReport::mulDivRoundsHalvesAwayFromZero()
{
    QFETCH(qint64, a);
    QFETCH(qint64, b);
    QFETCH(qint64, c);
    QTEST(qint64(MulDiv(a, b, c)), "result");
}

void TestReport::metricsFollowTheVerticalResolution_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("H");
    QTest::addColumn<int>("L");
    QTest::addColumn<int>("A");
    // 1.2 H whole makes the line step one less: 119, not 120.
    QTest::newRow("600") << 600 << 100 << 119 << 190;
    QTest::newRow("300") << 300 << 50 << 59 << 94;
    QTest::newRow("360") << 360 << 60 << 71 << 113;
    QTest::newRow("203, H rounded up") << 203 << 34 << 40 << 64;
    QTest::newRow("H of 1.5 rounds to 2") << 9 << 2 << 2 << 3;
    QTest::newRow("H of 0.5 rounds to 1") << 3 << 1 << 1 << 1;
    QTest::newRow("negative resolution, absolute value") << -600 << 100 << 119 << 190;
    QTest::newRow("negative half rounds away, then absolute") << -3 << 1 << 1 << 1;
}

void TestReport::metricsFollowTheVerticalResolution()
{
    QFETCH(int, dpi);
    QFETCH(int, H);
    QFETCH(int, L);
    QFETCH(int, A);
    QCOMPARE(ReportMetricsFor(dpi), (ReportMetrics{H, L, A}));
}

void TestReport::positions_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("L");
    QTest::addColumn<int>("A");
    QTest::newRow("600") << 600 << 119 << 190;
    QTest::newRow("300") << 300 << 59 << 94;
    QTest::newRow("360") << 360 << 71 << 113;
    QTest::newRow("203") << 203 << 40 << 64;
}

void TestReport::positions()
{
    QFETCH(int, dpi);
    QFETCH(int, L);
    QFETCH(int, A);
    // Three steps set among cleared ones (n = 3) and two annuals.
    SetsBuffer buffer;
    SetStep(buffer, 2, 0x07, 0x30, 0x3E);
    SetStep(buffer, 9, 0x91, 0x05, 0x82);
    SetStep(buffer, 15, 0x12, 0x00, 0x41);
    SetAnnual(buffer, SixteenStepLayout, 4, {0x03, 0x15, 0x13, 0x04, 0x01, 0x13});
    SetAnnual(buffer, SixteenStepLayout, 9, {0x12, 0x24, 0x07, 0x01, 0x02, 0x08});
    const Lines lines = LayoutReport(buffer, SixteenStepLayout, AllFirstItems, dpi);

    const int n = 3;
    const QList<int> expected{0,
                              A,
                              A + 2 * L,
                              2 * A + 2 * L,
                              2 * A + 3 * L,
                              2 * A + 4 * L,
                              2 * A + 4 * L + n * L,
                              3 * A + 4 * L + n * L,
                              3 * A + 5 * L + n * L};
    QCOMPARE(Ys(lines), expected);
    if (dpi == 600)
        QCOMPARE(Ys(lines), (QList<int>{0, 190, 428, 618, 737, 856, 1213, 1403, 1522}));

    // Headings at the left edge in 14 points, every other line 10 dots in, in 12 points.
    for (int i : {0, 2, 6})
        QCOMPARE((std::pair{lines[i].x, lines[i].pointSize}), (std::pair{0, 14}));
    for (int i : {1, 3, 4, 5, 7, 8})
        QCOMPARE((std::pair{lines[i].x, lines[i].pointSize}), (std::pair{10, 12}));
}

void TestReport::clearedBufferPrintsHeadingsAndStatusOnly()
{
    SetsBuffer buffer;
    const Lines lines = LayoutReport(buffer, SixteenStepLayout, {1, 0, 1, 0}, 600);
    QCOMPARE(Texts(lines), (QStringList{
                               "               S t a t u s",
                               "DST = Yes,     Relay = Off,     EL Lamp = On ,     Pulse = 0",
                               "P r o g r a m   S t e p s",
                               "          A n n u a l   S t e p s",
                           }));
    // Both section gaps stay although no step was printed: the annual heading at 2A + 4L.
    QCOMPARE(Ys(lines), (QList<int>{0, 190, 428, 856}));
}

void TestReport::everyRecordSetFillsTheLayout_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("annuals");
    QTest::newRow("30 steps, 3 annuals") << 0x01 << 30 << 3;
    QTest::newRow("16 steps, 10 annuals") << 0x00 << 16 << 10;
}

void TestReport::everyRecordSetFillsTheLayout()
{
    QFETCH(int, flags);
    QFETCH(int, steps);
    QFETCH(int, annuals);
    SetsBuffer buffer;
    buffer[FlagsByte] = Byte(flags);
    const BufferLayout layout = LayoutOf(buffer);
    for (int i = 0; i < layout.stepCount; ++i)
        SetStep(buffer, i, BinaryToBcd(i % 12 + 1), 0x15, 0x02);
    for (int j = 0; j < layout.annualCount; ++j)
        SetAnnual(buffer, layout, j, {0x06, 0x01, 0x26, 0x06, 0x30, 0x26});

    const QStringList texts = Texts(LayoutReport(buffer, layout, AllFirstItems, 600));
    QCOMPARE(texts.size(), 4 + steps + annuals);
    const QStringList stepLines = texts.mid(3, steps);
    const QStringList annualLines = texts.mid(4 + steps);
    for (int i = 0; i < steps; ++i)
        QVERIFY2(
            stepLines[i].startsWith(QStringLiteral("Step # %1  Mon  ").arg(i, 2, 10, QChar('0'))),
            qPrintable(stepLines[i]));
    for (int j = 0; j < annuals; ++j)
        QCOMPARE(
            annualLines[j],
            QStringLiteral("Annual %1  Start: 06/01/26  End: 06/30/26").arg(j, 2, 10, QChar('0')));
    QCOMPARE(stepLines.first(), QStringLiteral("Step # 00  Mon  01:15 Am  Off"));
    QCOMPARE(texts[3 + steps], QStringLiteral("          A n n u a l   S t e p s"));
}

void TestReport::clearedStepIsLeftOutWhateverItHolds_data()
{
    QTest::addColumn<int>("time");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("day");
    QTest::newRow("all zero") << 0x00 << 0x00 << 0x00;
    QTest::newRow("Pm, minute, Wdy, relay On") << 0x80 << 0x45 << 0xBE;
    QTest::newRow("minute beyond BCD, unknown day") << 0x80 << 0xFF << 0xFF;
}

void TestReport::clearedStepIsLeftOutWhateverItHolds()
{
    QFETCH(int, time);
    QFETCH(int, minute);
    QFETCH(int, day);
    SetsBuffer buffer;
    SetStep(buffer, 0, Byte(time), Byte(minute), Byte(day));
    SetStep(buffer, 1, 0x87, 0x30, 0xBE);
    SetStep(buffer, 2, 0x12, 0x05, 0x40);
    const Lines lines = LayoutReport(buffer, SixteenStepLayout, AllFirstItems, 600);
    QCOMPARE(lines.size(), std::size_t(6));
    // The next set step takes the first step line's place, with no gap.
    QCOMPARE(lines[3].text, "Step # 01  Wdy  07:30 Pm  On ");
    QCOMPARE(lines[3].y, 618);
    QCOMPARE(lines[4].text, "Step # 02  Sat  12:05 Am  Off");
    QCOMPARE(lines[4].y, 737);
}

void TestReport::annualsLeftOutOnlyByTheStartMonth()
{
    SetsBuffer buffer;
    buffer[FlagsByte] = LayoutBit;
    const BufferLayout layout = ThirtyStepLayout;
    SetAnnual(buffer, layout, 0, {0x00, 0x15, 0x13, 0x04, 0x01, 0x13});
    SetAnnual(buffer, layout, 1, {0x05, 0x00, 0x00, 0x00, 0x00, 0x00});
    SetAnnual(buffer, layout, 2, {0x12, 0x32, 0xA0, 0x01, 0x02, 0x08});
    const QStringList texts = Texts(LayoutReport(buffer, layout, AllFirstItems, 600));
    // Numbering stays the record's own: the first printed annual is 01.
    QCOMPARE(texts.mid(4), (QStringList{
                               "Annual 01  Start: 05/00/00  End: 00/00/00",
                               "Annual 02  Start: 12/32/100  End: 01/02/08",
                           }));
}

void TestReport::statusLine_data()
{
    QTest::addColumn<int>("dst");
    QTest::addColumn<int>("relay");
    QTest::addColumn<int>("elLamp");
    QTest::addColumn<int>("pulse");
    QTest::addColumn<QString>("line");
    QTest::newRow("No, On, Off, 12")
        << 0 << 1 << 0 << 12 << "DST = No ,     Relay = On ,     EL Lamp = Off,     Pulse = 12";
    QTest::newRow("Yes, Off, On, OFF")
        << 1 << 0 << 1 << 0 << "DST = Yes,     Relay = Off,     EL Lamp = On ,     Pulse = 0";
    QTest::newRow("nothing selected")
        << -1 << -1 << -1 << -1 << "DST = Yes,     Relay = On ,     EL Lamp = On ,     Pulse = -1";
    QTest::newRow("pulse 99") << 0 << 0 << 0 << 99
                              << "DST = No ,     Relay = Off,     EL Lamp = Off,     Pulse = 99";
}

void TestReport::statusLine()
{
    QFETCH(int, dst);
    QFETCH(int, relay);
    QFETCH(int, elLamp);
    QFETCH(int, pulse);
    SetsBuffer buffer;
    const Lines lines = LayoutReport(buffer, SixteenStepLayout, {dst, relay, elLamp, pulse}, 300);
    QCOMPARE(lines[1].y, 94);
    QTEST(QString::fromStdString(lines[1].text), "line");
}

void TestReport::unknownDayCodesAreNormalisedAndNothingElseChanges()
{
    // Every byte holds something, every step a known day code but two: one cleared, one set.
    SetsBuffer buffer;
    for (int i = 0; i < SetsBufferSize; ++i)
        buffer[i] = Byte(i * 7 + 3);
    buffer[FlagsByte] = LayoutBit;
    for (int i = 0; i < ThirtyStepLayout.stepCount; ++i)
        buffer[StepOffset(i) + 2] = DayCodeTable[std::size_t(i) % DayCodeTable.size()].mask;
    SetStep(buffer, 4, 0x80, 0x10, 0x03);
    SetStep(buffer, 7, 0x11, 0x59, 0x83);
    SetsBuffer expected = buffer;
    expected[StepOffset(4) + 2] = 0x01;
    expected[StepOffset(7) + 2] = 0x01;

    const QStringList texts = Texts(LayoutReport(buffer, ThirtyStepLayout, AllFirstItems, 600));
    QCOMPARE(buffer, expected);
    QVERIFY(!texts.join('\n').contains(QLatin1String("Step # 04")));
    QVERIFY(texts.contains(QStringLiteral("Step # 07  Sun  11:59 Am  Off")));
}

QTEST_APPLESS_MAIN(TestReport)
#include "tst_report.moc"
