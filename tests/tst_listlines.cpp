#include "model/listlines.h"

#include <QTest>

namespace {

SetsBuffer WithStep(int step, StepRecord record)
{
    SetsBuffer buffer;
    WriteStep(buffer, step, record);
    return buffer;
}

} // namespace

class TestListLines : public QObject {
    Q_OBJECT

private slots:
    void stepLine_data();
    void stepLine();
    void unknownDayCodeIsRewrittenToSundayOff_data();
    void unknownDayCodeIsRewrittenToSundayOff();
    void knownDayCodesAreNeverWritten();
    void annualLine_data();
    void annualLine();
    void listsFollowTheLayout();
    void recordNumbers();
};

void TestListLines::stepLine_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("time");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("line");
    QTest::newRow("7:30 Pm Wdy On, trailing blank")
        << 3 << 0x87 << 0x30 << 0xBE << "Step # 03  Wdy  07:30 Pm  On ";
    QTest::newRow("12:05 Am Sat Off")
        << 12 << 0x12 << 0x05 << 0x40 << "Step # 12  Sat  12:05 Am  Off";
    QTest::newRow("noon Pm") << 1 << 0x92 << 0x00 << 0x7F << "Step # 01  Edy  12:00 Pm  Off";
    QTest::newRow("1:05 Am") << 2 << 0x01 << 0x05 << 0x41 << "Step # 02  Wnd  01:05 Am  Off";
    QTest::newRow("cleared") << 0 << 0x00 << 0x00 << 0x00 << "Step # 00  --> C l e a r <--";
    QTest::newRow("cleared Pm") << 5 << 0x80 << 0x45 << 0xBE << "Step # 05  --> C l e a r <--";
    QTest::newRow("non-BCD hour 0x1A prints 20")
        << 4 << 0x1A << 0x00 << 0x02 << "Step # 04  Mon  20:00 Am  Off";
    QTest::newRow("minute of 165 prints all digits")
        << 29 << 0x11 << 0xFF << 0x20 << "Step # 29  Fri  11:165 Am  Off";
}

void TestListLines::stepLine()
{
    QFETCH(int, step);
    QFETCH(int, time);
    QFETCH(int, minute);
    QFETCH(int, day);
    SetsBuffer buffer = WithStep(step, {Byte(time), Byte(minute), Byte(day)});
    QTEST(QString::fromStdString(FormatStepLine(buffer, step)), "line");
}

void TestListLines::unknownDayCodeIsRewrittenToSundayOff_data()
{
    QTest::addColumn<int>("time");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("line");
    QTest::newRow("0x83, set step") << 0x08 << 0x83 << "Step # 06  Sun  08:00 Am  Off";
    QTest::newRow("0x03, set step") << 0x88 << 0x03 << "Step # 06  Sun  08:00 Pm  Off";
    QTest::newRow("zero, cleared step") << 0x00 << 0x00 << "Step # 06  --> C l e a r <--";
    QTest::newRow("0x80, cleared Pm step") << 0x80 << 0x80 << "Step # 06  --> C l e a r <--";
}

void TestListLines::unknownDayCodeIsRewrittenToSundayOff()
{
    QFETCH(int, time);
    QFETCH(int, day);
    SetsBuffer buffer = WithStep(6, {Byte(time), 0x00, Byte(day)});
    SetsBuffer expected = buffer;
    expected[StepOffset(6) + 2] = 0x01;
    QTEST(QString::fromStdString(FormatStepLine(buffer, 6)), "line");
    QCOMPARE(buffer, expected);
}

void TestListLines::knownDayCodesAreNeverWritten()
{
    for (const DayCode& code : DayCodeTable) {
        for (Byte relay : {Byte(0x00), Byte(0x80)}) {
            SetsBuffer buffer = WithStep(1, {0x00, 0x00, Byte(code.mask | relay)});
            const SetsBuffer before = buffer;
            FormatStepLine(buffer, 1);
            QCOMPARE(buffer, before);
        }
    }
}

void TestListLines::annualLine_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("annual");
    QTest::addColumn<QString>("line");
    QTest::newRow("example") << QByteArray("\x03\x15\x13\x04\x01\x13", 6) << 1
                             << "Annual 01  Start: 03/15/13  End: 04/01/13";
    QTest::newRow("cleared with end date set")
        << QByteArray("\x00\x15\x13\x04\x01\x13", 6) << 0 << "Annual 00  --> C l e a r <--";
    QTest::newRow("only start month set") << QByteArray("\x03\x00\x00\x00\x00\x00", 6) << 2
                                          << "Annual 02  Start: 03/00/00  End: 00/00/00";
    QTest::newRow("blank day and year items") << QByteArray("\x12\x32\xA0\x01\x32\x07", 6) << 9
                                              << "Annual 09  Start: 12/32/100  End: 01/32/07";
}

void TestListLines::annualLine()
{
    QFETCH(QByteArray, record);
    QFETCH(int, annual);
    SetsBuffer buffer;
    for (int k = 0; k < AnnualRecordSize; ++k)
        buffer[AnnualOffset(SixteenStepLayout, annual) + k] = Byte(record[k]);
    const SetsBuffer before = buffer;
    QTEST(QString::fromStdString(FormatAnnualLine(buffer, SixteenStepLayout, annual)), "line");
    QCOMPARE(buffer, before);
}

void TestListLines::listsFollowTheLayout()
{
    SetsBuffer buffer;
    const auto steps = StepListLines(buffer, ThirtyStepLayout);
    const auto annuals = AnnualListLines(buffer, ThirtyStepLayout);
    QCOMPARE(steps.size(), 30u);
    QCOMPARE(annuals.size(), 3u);
    QCOMPARE(QString::fromStdString(steps.front()), "Step # 00  --> C l e a r <--");
    QCOMPARE(QString::fromStdString(steps.back()), "Step # 29  --> C l e a r <--");
    QCOMPARE(QString::fromStdString(annuals.back()), "Annual 02  --> C l e a r <--");
    QCOMPARE(StepListLines(buffer, SixteenStepLayout).size(), 16u);
    QCOMPARE(AnnualListLines(buffer, SixteenStepLayout).size(), 10u);
}

void TestListLines::recordNumbers()
{
    const auto numbers = RecordNumbers(30);
    QCOMPARE(numbers.size(), 30u);
    QCOMPARE(QString::fromStdString(numbers.front()), "00");
    QCOMPARE(QString::fromStdString(numbers[9]), "09");
    QCOMPARE(QString::fromStdString(numbers.back()), "29");
}

QTEST_APPLESS_MAIN(TestListLines)
#include "tst_listlines.moc"
