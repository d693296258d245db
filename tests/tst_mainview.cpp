#include "model/controlitems.h"
#include "model/mainview.h"

#include <QRandomGenerator>
#include <QTest>

Q_DECLARE_METATYPE(StatusControls)

namespace {

bool IsStepDayByte(int b, const BufferLayout& layout)
{
    return b >= StepTableOffset && b < layout.annualTableOffset && (b - StepTableOffset) % 3 == 2;
}

} // namespace

class TestMainView : public QObject {
    Q_OBJECT

private slots:
    void zeroBufferShowsClearedRecordsAndNormalisesDayBytes();
    void reloadWritesOnlyStepDayBytes();
    void reloadIsIdempotent();
    void reloadResetsTheCurrentRecords();
    void layoutBitSelectsTheTables();
    void clearedPmStepZeroKeepsItsDayByte();
    void stepControls_data();
    void stepControls();
    void annualControlsLeaveOutOfRangeValuesUnchosen();
    void statusControls_data();
    void statusControls();
    void itemLists();
};

void TestMainView::zeroBufferShowsClearedRecordsAndNormalisesDayBytes()
{
    SetsBuffer buffer;
    EditState state;
    const MainView view = ReloadAll(buffer, state);

    QCOMPARE(view.layout, SixteenStepLayout);
    QCOMPARE(view.stepLines.size(), 16u);
    QCOMPARE(view.annualLines.size(), 10u);
    for (int i = 0; i < 16; ++i)
        QCOMPARE(QString::fromStdString(view.stepLines[std::size_t(i)]),
                 QString::asprintf("Step # %02d  --> C l e a r <--", i));
    for (int j = 0; j < 10; ++j)
        QCOMPARE(QString::fromStdString(view.annualLines[std::size_t(j)]),
                 QString::asprintf("Annual %02d  --> C l e a r <--", j));

    SetsBuffer expected;
    expected[16] = 0x3E;
    for (int i = 1; i < 16; ++i)
        expected[StepOffset(i) + 2] = 0x01;
    QCOMPARE(buffer, expected);

    QCOMPARE(view.status, (StatusControls{0, 0, 0, 0}));
    QCOMPARE(view.step, (StepControls{0, 1, 0, 0, 0, 0}));
}

void TestMainView::reloadWritesOnlyStepDayBytes()
{
    // Random images, in both layouts: nothing outside the step table's day bytes may change,
    // so bytes 122..199, the settings block and the unused flag bits always survive.
    QRandomGenerator random(4711);
    for (int round = 0; round < 500; ++round) {
        SetsBuffer buffer;
        for (Byte& b : buffer.bytes)
            b = Byte(random.bounded(256));
        const SetsBuffer before = buffer;
        EditState state;
        ReloadAll(buffer, state);
        for (int b = 0; b < SetsBufferSize; ++b) {
            if (!IsStepDayByte(b, state.layout))
                QCOMPARE(buffer[b], before[b]);
        }
    }
}

void TestMainView::reloadIsIdempotent()
{
    QRandomGenerator random(17);
    for (int round = 0; round < 100; ++round) {
        SetsBuffer buffer;
        for (Byte& b : buffer.bytes)
            b = Byte(random.bounded(256));
        EditState state;
        const MainView first = ReloadAll(buffer, state);
        const SetsBuffer once = buffer;
        const MainView second = ReloadAll(buffer, state);
        QCOMPARE(buffer, once);
        QCOMPARE(second.stepLines, first.stepLines);
        QCOMPARE(second.step, first.step);
    }
}

void TestMainView::reloadResetsTheCurrentRecords()
{
    SetsBuffer buffer;
    EditState state{SixteenStepLayout, 5, 2};
    const MainView view = ReloadAll(buffer, state);
    QCOMPARE(state.currentStep, 0);
    QCOMPARE(state.currentAnnual, 0);
    QCOMPARE(view.step.step, 0);
    QCOMPARE(view.annual.annual, 0);
}

void TestMainView::layoutBitSelectsTheTables()
{
    SetsBuffer buffer;
    buffer[FlagsByte] = 0x85;
    // Annual 00 of the 30-step layout is byte 104, annual 07 of the 16-step layout.
    buffer[104] = 0x03;
    buffer[105] = 0x15;
    EditState state;
    MainView view = ReloadAll(buffer, state);
    QCOMPARE(state.layout, ThirtyStepLayout);
    QCOMPARE(view.stepLines.size(), 30u);
    QCOMPARE(view.annualLines.size(), 3u);
    QCOMPARE(view.stepNumbers.back(), std::string("29"));
    QCOMPARE(view.annualNumbers, (std::vector<std::string>{"00", "01", "02"}));
    QCOMPARE(view.annualLines[0], std::string("Annual 00  Start: 03/15/00  End: 00/00/00"));
    QCOMPARE(view.status.relay, 1);
    QCOMPARE(view.status.elLamp, 1);

    buffer[FlagsByte] = 0x84;
    view = ReloadAll(buffer, state);
    QCOMPARE(view.annualLines[7], std::string("Annual 07  Start: 03/15/00  End: 00/00/00"));
}

void TestMainView::clearedPmStepZeroKeepsItsDayByte()
{
    SetsBuffer buffer;
    WriteStep(buffer, 0, {0x80, 0x00, 0xBE});
    EditState state;
    ReloadAll(buffer, state);
    QCOMPARE(int(buffer[16]), 0xBE);

    WriteStep(buffer, 0, {0x00, 0x30, 0xC0}); // cleared Am: shown as "Wdy", relay Off
    const MainView view = ReloadAll(buffer, state);
    QCOMPARE(int(buffer[16]), 0x3E);
    QCOMPARE(view.step.days, 0);
    QCOMPARE(view.step.relay, 1);
    QCOMPARE(view.step.minute, 30);
}

void TestMainView::stepControls_data()
{
    QTest::addColumn<int>("time");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("onOff");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("amPm");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::newRow("7:30 Pm Wdy On") << 0x87 << 0x30 << 0xBE << 0 << 0 << 1 << 7 << 30;
    QTest::newRow("12:59 Am Sat Off") << 0x12 << 0x59 << 0x40 << 1 << 9 << 0 << 12 << 59;
    QTest::newRow("hour 13 chooses no hour") << 0x13 << 0x00 << 0x02 << 1 << 4 << 0 << NoItem << 0;
    QTest::newRow("minute 60 chooses no minute")
        << 0x01 << 0x60 << 0x02 << 1 << 4 << 0 << 1 << NoItem;
    // Only the list normalises an unknown mask; the step editor alone shows "Wdy".
    QTest::newRow("unknown mask shows Wdy") << 0x01 << 0x00 << 0x83 << 0 << 0 << 0 << 1 << 0;
}

void TestMainView::stepControls()
{
    QFETCH(int, time);
    QFETCH(int, minute);
    QFETCH(int, day);
    SetsBuffer buffer;
    WriteStep(buffer, 7, {Byte(time), Byte(minute), Byte(day)});
    const SetsBuffer before = buffer;
    const StepControls shown = LoadStepControls(buffer, 7);
    QCOMPARE(buffer, before);
    QCOMPARE(shown.step, 7);
    QTEST(shown.relay, "onOff");
    QTEST(shown.days, "days");
    QTEST(shown.amPm, "amPm");
    QTEST(shown.hour, "hours");
    QTEST(shown.minute, "minutes");
}

void TestMainView::annualControlsLeaveOutOfRangeValuesUnchosen()
{
    SetsBuffer buffer;
    const int at = AnnualOffset(SixteenStepLayout, 4);
    const Byte record[] = {0x13, 0x32, 0xA0, 0x12, 0x33, 0xA0};
    for (int k = 0; k < 6; ++k)
        buffer[at + k] = record[k];
    const AnnualControls shown = LoadAnnualControls(buffer, SixteenStepLayout, 4);
    QCOMPARE(shown.annual, 4);
    // Month 13 is beyond the list, the blank day (32) and start year (100) items are chosen,
    // day 33 is beyond, and the end year has no blank item for 100.
    const std::array<int, 6> expected{NoItem, 32, 100, 12, NoItem, NoItem};
    QCOMPARE(shown.dates, expected);
}

void TestMainView::statusControls_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("pulse");
    QTest::addColumn<int>("dst");
    QTest::addColumn<StatusControls>("shown");
    QTest::newRow("all off") << 0x00 << 0x00 << 0x00 << StatusControls{0, 0, 0, 0};
    QTest::newRow("0x85, pulse 25, DST 3") << 0x85 << 0x25 << 0x03 << StatusControls{1, 1, 1, 25};
    QTest::newRow("relay only, DST 1") << 0x80 << 0x99 << 0x01 << StatusControls{1, 1, 0, 99};
    QTest::newRow("DST 127 is Yes") << 0x04 << 0x01 << 0x7F << StatusControls{1, 0, 1, 1};
    QTest::newRow("DST 128 is neither") << 0x00 << 0x00 << 0x80 << StatusControls{NoItem, 0, 0, 0};
    QTest::newRow("DST 255 is neither") << 0x00 << 0x00 << 0xFF << StatusControls{NoItem, 0, 0, 0};
    QTest::newRow("pulse 0xA0 is beyond")
        << 0x00 << 0xA0 << 0x00 << StatusControls{0, 0, 0, NoItem};
}

void TestMainView::statusControls()
{
    QFETCH(int, flags);
    QFETCH(int, pulse);
    QFETCH(int, dst);
    SetsBuffer buffer;
    buffer[FlagsByte] = Byte(flags);
    buffer[PulseByte] = Byte(pulse);
    buffer[DstByte] = Byte(dst);
    QTEST(LoadStatusControls(buffer), "shown");
}

void TestMainView::itemLists()
{
    QCOMPARE(DayCodeItems(),
             (ItemList{"Wdy", "Wnd", "Edy", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}));
    QCOMPARE(HourItems().size(), 13u);
    QCOMPARE(HourItems().front(), std::string("CLR"));
    QCOMPARE(HourItems().back(), std::string("12"));
    QCOMPARE(MinuteItems().back(), std::string("59"));
    QCOMPARE(StartMonthItems().front(), std::string("CLR"));
    QCOMPARE(EndMonthItems().front(), std::string("0"));
    QCOMPARE(DayItems().size(), 33u);
    QCOMPARE(DayItems().back(), std::string(" "));
    QCOMPARE(StartYearItems().size(), 101u);
    QCOMPARE(StartYearItems()[7], std::string("07"));
    QCOMPARE(StartYearItems().back(), std::string(" "));
    QCOMPARE(EndYearItems().size(), 100u);
    QCOMPARE(EndYearItems().back(), std::string("99"));
    QCOMPARE(PulseItems().size(), 100u);
    QCOMPARE(PulseItems().front(), std::string("OFF"));
    QCOMPARE(OnOffItems().front(), std::string("On"));
    QCOMPARE(OffOnItems().front(), std::string("Off"));
    for (std::size_t f = 0; f < DateItemCounts.size(); ++f) {
        const ItemList lists[] = {StartMonthItems(), DayItems(), StartYearItems(),
                                  EndMonthItems(),   DayItems(), EndYearItems()};
        QCOMPARE(int(lists[f].size()), DateItemCounts[f]);
    }
}

QTEST_APPLESS_MAIN(TestMainView)
#include "tst_mainview.moc"
