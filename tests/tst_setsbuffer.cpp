#include "model/setsbuffer.h"

#include <QTest>

class TestSetsBuffer : public QObject {
    Q_OBJECT

private slots:
    void bcdToBinary_data();
    void bcdToBinary();
    void bcdToBinaryDecodesEveryByteByTheFormula();
    void binaryToBcd_data();
    void binaryToBcd();
    void bcdRoundTripsEveryTwoDigitValue();
    void layoutFollowsBitZeroOnly_data();
    void layoutFollowsBitZeroOnly();
    void dayCodeLookupIsByEquality_data();
    void dayCodeLookupIsByEquality();
    void stepRecordsSitAtFixedOffsets();
    void annualTableMovesWithTheLayout();
    void recordDecoding();
};

void TestSetsBuffer::bcdToBinary_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("value");
    QTest::newRow("0x00") << 0x00 << 0;
    QTest::newRow("0x59") << 0x59 << 59;
    QTest::newRow("0x85") << 0x85 << 85;
    QTest::newRow("0x99") << 0x99 << 99;
    QTest::newRow("0xA0 is 100") << 0xA0 << 100;
    QTest::newRow("0x1F is 25") << 0x1F << 25;
    QTest::newRow("0x3A is 40") << 0x3A << 40;
    QTest::newRow("0xFF is 165") << 0xFF << 165;
}

void TestSetsBuffer::bcdToBinary()
{
    QFETCH(int, byte);
    QFETCH(int, value);
    QCOMPARE(BcdToBinary(static_cast<Byte>(byte)), value);
}

void TestSetsBuffer::bcdToBinaryDecodesEveryByteByTheFormula()
{
    for (int b = 0; b < 256; ++b)
        QCOMPARE(BcdToBinary(static_cast<Byte>(b)), (b / 16) * 10 + b % 16);
}

void TestSetsBuffer::binaryToBcd_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("byte");
    QTest::newRow("0") << 0 << 0x00;
    QTest::newRow("12") << 12 << 0x12;
    QTest::newRow("45") << 45 << 0x45;
    QTest::newRow("99") << 99 << 0x99;
    QTest::newRow("100") << 100 << 0xA0;
    QTest::newRow("123") << 123 << 0xC3;
    QTest::newRow("160 wraps to 0") << 160 << 0x00;
    QTest::newRow("255") << 255 << 0x95;
    QTest::newRow("256") << 256 << 0x00;
    QTest::newRow("-1") << -1 << 0xFF;
    QTest::newRow("-15") << -15 << 0xEB;
    QTest::newRow("INT_MIN") << std::numeric_limits<int>::min() << 0x00;
}

void TestSetsBuffer::binaryToBcd()
{
    QFETCH(int, value);
    QFETCH(int, byte);
    QCOMPARE(int(BinaryToBcd(value)), byte);
}

void TestSetsBuffer::bcdRoundTripsEveryTwoDigitValue()
{
    for (int v = 0; v <= 100; ++v)
        QCOMPARE(BcdToBinary(BinaryToBcd(v)), v);
}

void TestSetsBuffer::layoutFollowsBitZeroOnly_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("annuals");
    QTest::addColumn<int>("annualOffset");
    QTest::newRow("0x00") << 0x00 << 16 << 10 << 62;
    QTest::newRow("0x01") << 0x01 << 30 << 3 << 104;
    QTest::newRow("0x85") << 0x85 << 30 << 3 << 104;
    QTest::newRow("0xFE") << 0xFE << 16 << 10 << 62;
}

void TestSetsBuffer::layoutFollowsBitZeroOnly()
{
    QFETCH(int, flags);
    SetsBuffer buffer;
    buffer[FlagsByte] = static_cast<Byte>(flags);
    const BufferLayout layout = LayoutOf(buffer);
    QTEST(layout.stepCount, "steps");
    QTEST(layout.annualCount, "annuals");
    QCOMPARE(layout.stepTableOffset, 14);
    QTEST(layout.annualTableOffset, "annualOffset");
    // Both layouts end the annual table at byte 121.
    QCOMPARE(layout.annualTableOffset + AnnualRecordSize * layout.annualCount, TablesEnd);
}

void TestSetsBuffer::dayCodeLookupIsByEquality_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("index");
    const int masks[] = {0x3E, 0x41, 0x7F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40};
    const char* names[] = {"Wdy", "Wnd", "Edy", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int i = 0; i < 10; ++i)
        QTest::newRow(names[i]) << masks[i] << i;
    QTest::newRow("no day") << 0x00 << -1;
    QTest::newRow("Sun and Mon") << 0x03 << -1;
    QTest::newRow("relay bit is not part of the mask") << 0xBE << -1;
}

void TestSetsBuffer::dayCodeLookupIsByEquality()
{
    QFETCH(int, mask);
    QFETCH(int, index);
    QCOMPARE(DayCodeIndex(static_cast<Byte>(mask)).value_or(-1), index);
    if (index >= 0)
        QCOMPARE(int(DayCodeTable[static_cast<std::size_t>(index)].mask), mask);
}

void TestSetsBuffer::stepRecordsSitAtFixedOffsets()
{
    SetsBuffer buffer;
    WriteStep(buffer, 0, {0x87, 0x30, 0xBE});
    WriteStep(buffer, 29, {0x12, 0x05, 0x40});
    QCOMPARE(int(buffer[14]), 0x87);
    QCOMPARE(int(buffer[15]), 0x30);
    QCOMPARE(int(buffer[16]), 0xBE);
    QCOMPARE(int(buffer[101]), 0x12);
    QCOMPARE(int(buffer[103]), 0x40);
    QCOMPARE(int(ReadStep(buffer, 29).minute), 0x05);
}

void TestSetsBuffer::annualTableMovesWithTheLayout()
{
    // Bytes 104..121 are annuals 07..09 in the 16-step layout and annuals 00..02 in the other.
    SetsBuffer buffer;
    for (int b = 62; b < TablesEnd; ++b)
        buffer[b] = static_cast<Byte>(b);
    for (int j = 0; j < 3; ++j)
        QCOMPARE(ReadAnnual(buffer, ThirtyStepLayout, j).bytes,
                 ReadAnnual(buffer, SixteenStepLayout, j + 7).bytes);
    QCOMPARE(int(ReadAnnual(buffer, SixteenStepLayout, 0).bytes[0]), 62);
    QCOMPARE(int(ReadAnnual(buffer, ThirtyStepLayout, 2).bytes[5]), 121);
}

void TestSetsBuffer::recordDecoding()
{
    const StepRecord step{0x87, 0x30, 0xBE};
    QVERIFY(step.pm());
    QVERIFY(step.relayOn());
    QCOMPARE(step.hour(), 7);
    QCOMPARE(step.minutes(), 30);
    QCOMPARE(int(step.dayMask()), 0x3E);
    QVERIFY(!step.cleared());
    QVERIFY(StepRecord({0x80, 0x59, 0xFF}).cleared());

    AnnualRecord annual;
    annual.bytes = {0x00, 0x15, 0x13, 0x04, 0x01, 0x13};
    QVERIFY(annual.cleared());
    annual.bytes[0] = 0x12;
    QVERIFY(!annual.cleared());
    QCOMPARE(annual.value(StartDayField), 15);
}

QTEST_APPLESS_MAIN(TestSetsBuffer)
#include "tst_setsbuffer.moc"
