#include "model/listlines.h"
#include "model/programchecks.h"
#include "model/programeditor.h"
#include "model/programoverview.h"
#include "model/weekchart.h"
#include "ui/windowplacement.h"

#include <QTest>

namespace {

// A program written the way a person reads it, one record a line:
//   "step 03 Wdy 07:30 Pm On"      a step in the list's own words
//   "step 04 raw 13 30 BE"         a step's three bytes, as a file may bring them
//   "annual 00 03 15 13 04 01 13"  an annual's six bytes
//   "flags 81"                     the flags byte
SetsBuffer Program(const QStringList& records)
{
    SetsBuffer buffer;
    for (const QString& record : records) {
        const QStringList f = record.split(QLatin1Char(' '));
        const auto hex = [](const QString& text) { return Byte(text.toUInt(nullptr, 16)); };
        if (f[0] == "flags") {
            buffer[FlagsByte] = hex(f[1]);
        } else if (f[0] == "annual") {
            for (int k = 0; k < AnnualRecordSize; ++k)
                buffer[AnnualOffset(LayoutOf(buffer), f[1].toInt()) + k] = hex(f[2 + k]);
        } else if (f[2] == "raw") {
            WriteStep(buffer, f[1].toInt(), {hex(f[3]), hex(f[4]), hex(f[5])});
        } else {
            const QStringList time = f[3].split(QLatin1Char(':'));
            Byte day = 0;
            for (const DayCode& code : DayCodeTable) {
                if (QLatin1String(code.name.data(), qsizetype(code.name.size())) == f[2])
                    day = code.mask;
            }
            WriteStep(buffer, f[1].toInt(),
                      {Byte(BinaryToBcd(time[0].toInt()) | (f[4] == "Pm" ? PmBit : 0)),
                       BinaryToBcd(time[1].toInt()),
                       Byte(day | (f[5] == "On" ? StepRelayBit : 0))});
        }
    }
    return buffer;
}

QString Clock(int minute)
{
    return QString::asprintf("%02d:%02d", minute / 60, minute % 60);
}

// "Mon 07:30-17:00 | Tue ...": the On spans of each day that has any, Sunday first.
QString OnSpans(const WeekChart& chart)
{
    QStringList days;
    for (int day = 0; day < DaysPerWeek; ++day) {
        QString text = QString::fromLatin1(WeekDayNames[std::size_t(day)].data(), 3);
        for (const DaySpan& span : chart.on[std::size_t(day)])
            text += QLatin1Char(' ') + Clock(span.from) + QLatin1Char('-') + Clock(span.to);
        if (!chart.on[std::size_t(day)].empty())
            days << text;
    }
    return days.join(QStringLiteral(" | "));
}

// "Mon 07:30 Clash 03 05 | Mon 09:00 Off 06": every mark of the week, with its steps.
QString Marks(const WeekChart& chart)
{
    const char* kinds[] = {"On", "Off", "Clash"};
    QStringList marks;
    for (const SwitchMark& mark : chart.marks) {
        QString text = QString::fromLatin1(WeekDayNames[std::size_t(mark.day)].data(), 3) +
                       QLatin1Char(' ') + Clock(mark.minute) + QLatin1Char(' ') +
                       QLatin1String(kinds[int(mark.kind)]);
        for (int step : mark.steps)
            text += QString::asprintf(" %02d", step);
        marks << text;
    }
    return marks.join(QStringLiteral(" | "));
}

// "Mon 07:30-09:00": the stretches whose state hangs on a clash, Sunday first.
QString Unsure(const WeekChart& chart)
{
    QStringList days;
    for (int day = 0; day < DaysPerWeek; ++day) {
        QString text = QString::fromLatin1(WeekDayNames[std::size_t(day)].data(), 3);
        for (const UnsureSpan& span : chart.unsure[std::size_t(day)])
            text += QLatin1Char(' ') + Clock(span.from) + QLatin1Char('-') + Clock(span.to);
        if (!chart.unsure[std::size_t(day)].empty())
            days << text;
    }
    return days.join(QStringLiteral(" | "));
}

QString EveryDay(const QString& spans)
{
    QStringList days;
    for (const char* day : {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"})
        days << QLatin1String(day) + QLatin1Char(' ') + spans;
    return days.join(QStringLiteral(" | "));
}

QStringList Texts(const std::vector<Finding>& findings)
{
    QStringList texts;
    for (const Finding& finding : findings)
        texts << QString::fromStdString(finding.text);
    return texts;
}

} // namespace

class TestWeekChart : public QObject {
    Q_OBJECT

private slots:
    void minuteOfDay_data();
    void minuteOfDay();
    void chart_data();
    void chart();
    void marks_data();
    void marks();
    void checks_data();
    void checks();
    void checksNameTheirLine();
    void layoutSwitchRewritesAnnualYearsAndTheChecksSaySo();
    void summary();
    void chartWindowOpensInSight_data();
    void chartWindowOpensInSight();
};

void TestWeekChart::minuteOfDay_data()
{
    QTest::addColumn<int>("timeByte");
    QTest::addColumn<int>("minuteByte");
    QTest::addColumn<int>("minute");
    QTest::newRow("12 Am is midnight") << 0x12 << 0x05 << 5;
    QTest::newRow("1 Am") << 0x01 << 0x00 << 60;
    QTest::newRow("11 Am") << 0x11 << 0x59 << 11 * 60 + 59;
    QTest::newRow("12 Pm is noon") << 0x92 << 0x00 << 12 * 60;
    QTest::newRow("1 Pm") << 0x81 << 0x30 << 13 * 60 + 30;
    QTest::newRow("11 Pm") << 0x91 << 0x59 << 23 * 60 + 59;
}

void TestWeekChart::minuteOfDay()
{
    QFETCH(int, timeByte);
    QFETCH(int, minuteByte);
    const StepRecord record{Byte(timeByte), Byte(minuteByte), 0x01};
    QVERIFY(StepRuns(record));
    QTEST(MinuteOfDay(record), "minute");
}

void TestWeekChart::chart_data()
{
    QTest::addColumn<QStringList>("program");
    QTest::addColumn<QString>("onSpans");

    QTest::newRow("nothing set, status relay Off") << QStringList{} << "";
    QTest::newRow("nothing set, status relay On")
        << QStringList{"flags 80"} << EveryDay("00:00-24:00");
    QTest::newRow("weekdays") << QStringList{"step 00 Wdy 07:30 Am On", "step 01 Wdy 05:00 Pm Off"}
                              << "Mon 07:30-17:00 | Tue 07:30-17:00 | Wed 07:30-17:00 | "
                                 "Thu 07:30-17:00 | Fri 07:30-17:00";
    QTest::newRow("weekend") << QStringList{"step 00 Wnd 08:00 Am On", "step 01 Edy 08:00 Pm Off"}
                             << "Sun 08:00-20:00 | Sat 08:00-20:00";
    QTest::newRow("one day") << QStringList{"step 00 Thu 09:00 Am On", "step 01 Edy 10:00 Am Off"}
                             << "Thu 09:00-10:00";
    QTest::newRow("12 Am is midnight")
        << QStringList{"step 00 Edy 12:00 Am On", "step 01 Edy 06:00 Am Off"}
        << EveryDay("00:00-06:00");
    QTest::newRow("12 Pm is noon")
        << QStringList{"step 00 Sun 12:15 Pm On", "step 01 Sun 01:00 Pm Off"} << "Sun 12:15-13:00";
    QTest::newRow("across midnight")
        << QStringList{"step 00 Edy 10:00 Pm On", "step 01 Edy 06:00 Am Off"}
        << EveryDay("00:00-06:00 22:00-24:00");
    QTest::newRow("wraps from Saturday to Sunday")
        << QStringList{"step 00 Sat 10:00 Pm On", "step 01 Mon 06:00 Am Off"}
        << "Sun 00:00-24:00 | Mon 00:00-06:00 | Sat 22:00-24:00";
    QTest::newRow("same minute: the higher step decides, Off")
        << QStringList{"step 00 Mon 08:00 Am On", "step 01 Mon 08:00 Am Off",
                       "step 02 Mon 09:00 Am On", "step 03 Mon 10:00 Am Off"}
        << "Mon 09:00-10:00";
    QTest::newRow("same minute: the higher step decides, On")
        << QStringList{"step 00 Mon 08:00 Am Off", "step 01 Mon 08:00 Am On",
                       "step 02 Mon 09:00 Am On", "step 03 Mon 10:00 Am Off"}
        << "Mon 08:00-10:00";
    QTest::newRow("cleared steps and impossible times do nothing")
        << QStringList{"step 00 Wdy 08:00 Am On", "step 01 Wdy 05:00 Pm Off",
                       "step 02 raw 80 00 FF",    "step 03 raw 00 30 FF",
                       "step 04 raw 13 00 FF",    "step 05 raw 09 60 FF"}
        << "Mon 08:00-17:00 | Tue 08:00-17:00 | Wed 08:00-17:00 | Thu 08:00-17:00 | "
           "Fri 08:00-17:00";
    QTest::newRow("steps 16..29 count in the 30-step layout")
        << QStringList{"flags 01", "step 20 Mon 07:00 Am On", "step 21 Mon 08:00 Am Off"}
        << "Mon 07:00-08:00";
    QTest::newRow("and are annual bytes in the 16-step layout")
        << QStringList{"step 20 Mon 07:00 Am On", "step 21 Mon 08:00 Am Off"} << "";
}

void TestWeekChart::chart()
{
    QFETCH(QStringList, program);
    const SetsBuffer buffer = Program(program);
    QTEST(OnSpans(ComputeWeekChart(buffer, LayoutOf(buffer))), "onSpans");
}

void TestWeekChart::marks_data()
{
    QTest::addColumn<QStringList>("program");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("unsure");

    QTest::newRow("a clash is one mark, unsure up to the next switch")
        << QStringList{"step 03 Mon 07:30 Am On", "step 05 Wdy 07:30 Am Off",
                       "step 06 Mon 09:00 Am Off"}
        << "Mon 07:30 Clash 03 05 | Mon 09:00 Off 06 | Tue 07:30 Off 05 | Wed 07:30 Off 05 | "
           "Thu 07:30 Off 05 | Fri 07:30 Off 05"
        << "Mon 07:30-09:00";
    QTest::newRow("the same state at one minute is one sure mark")
        << QStringList{"step 00 Mon 08:00 Am On", "step 01 Mon 08:00 Am On",
                       "step 02 Mon 08:01 Am Off"}
        << "Mon 08:00 On 00 01 | Mon 08:01 Off 02"
        << "";
    QTest::newRow("unsure past the week's end")
        << QStringList{"step 00 Sat 11:00 Pm On", "step 01 Sat 11:00 Pm Off",
                       "step 02 Sun 06:00 Am On"}
        << "Sun 06:00 On 02 | Sat 23:00 Clash 00 01"
        << "Sun 00:00-06:00 | Sat 23:00-24:00";
    QTest::newRow("no mark for times that are not packed BCD")
        << QStringList{"step 00 raw 0A 30 BE", "step 01 raw 87 3F BE"} << ""
        << "";
}

void TestWeekChart::marks()
{
    QFETCH(QStringList, program);
    const SetsBuffer buffer = Program(program);
    const WeekChart chart = ComputeWeekChart(buffer, LayoutOf(buffer));
    QTEST(Marks(chart), "marks");
    QTEST(Unsure(chart), "unsure");
}

void TestWeekChart::checks_data()
{
    QTest::addColumn<QStringList>("program");
    QTest::addColumn<QStringList>("findings");

    QTest::newRow("a program without faults")
        << QStringList{"step 00 Wdy 08:00 Am On", "step 01 Edy 05:00 Pm Off",
                       "step 02 Sat 09:00 Am On", "annual 00 12 24 13 01 02 14",
                       "annual 01 02 29 12 03 01 12"}
        << QStringList{};
    QTest::newRow("a step after a clash depends on its winner")
        << QStringList{"step 03 Mon 07:30 Am On", "step 05 Wdy 07:30 Am Off",
                       "step 06 Mon 09:00 Am Off"}
        << QStringList{"Step 05: switches Off at 07:30 Am on Mon, the same minute as step 03 "
                       "switches On; which wins on the clock is unknown",
                       "Step 06: whether it changes anything depends on step 03 and step 05, "
                       "which switch at the same minute before it; which wins on the clock is "
                       "unknown"};
    QTest::newRow("made redundant by a lower step at the same minute")
        << QStringList{"step 00 Wdy 08:00 Am On", "step 01 Mon 08:00 Am On",
                       "step 02 Wdy 05:00 Pm Off"}
        << QStringList{"Step 01: never changes anything: on each of its days the relay is "
                       "switched On at the same minute (08:00 Am) by step 00"};
    QTest::newRow("made redundant by a higher step at the same minute")
        << QStringList{"step 00 raw 08 00 82", "step 01 raw 08 00 BE", "step 02 Wdy 05:00 Pm Off"}
        << QStringList{"Step 00: never changes anything: on each of its days the relay is "
                       "switched On at the same minute (08:00 Am) by step 01"};
    QTest::newRow("made redundant by a higher step before it")
        << QStringList{"step 00 Wdy 08:00 Am On", "step 01 Mon 06:00 Pm Off",
                       "step 05 Wdy 05:00 Pm Off"}
        << QStringList{"Step 01: never changes anything: the relay is already Off at 06:00 Pm on "
                       "each of its days, switched Off before by step 05"};
    QTest::newRow("made redundant on one day before, on the other at the same minute")
        << QStringList{"step 00 Sat 08:00 Am On", "step 01 Edy 06:00 Pm Off",
                       "step 02 Wnd 08:00 Am On", "step 03 Sun 07:00 Am On"}
        << QStringList{"Step 00: never changes anything: on each of its days the relay is "
                       "switched On at the same minute (08:00 Am) by step 02",
                       "Step 02: never changes anything: on each of its days the relay is already "
                       "On at 08:00 Am or switched On at that minute, by step 00 and step 03"};
    QTest::newRow("a lone step switches the whole week")
        << QStringList{"step 00 Edy 07:00 Am On"} << QStringList{};
    QTest::newRow("a lone Off step against the status Relay On")
        << QStringList{"flags 80", "step 00 raw 90 00 7F"} << QStringList{};
    QTest::newRow("a lone step the status Relay already keeps")
        << QStringList{"flags 80", "step 00 Edy 07:00 Am On"}
        << QStringList{"Step 00: never changes anything: no other step switches the relay, and "
                       "the status Relay setting keeps it On"};
    QTest::newRow("times the clock does not have")
        << QStringList{"step 04 raw 13 30 BE", "step 05 raw 87 75 BE"}
        << QStringList{"Step 04: hour 13 is no hour of the clock; the chart leaves the step out",
                       "Step 05: minute 75 is no minute of the clock; the chart leaves the step "
                       "out"};
    QTest::newRow("hour and minute bytes that are not packed BCD")
        << QStringList{"step 00 Edy 06:00 Am On", "step 01 Edy 06:00 Pm Off",
                       "step 04 raw 0A 30 BE", "step 05 raw 87 3F 3E", "step 06 raw FF FF 7F"}
        << QStringList{"Step 04: hour 0x0A is not packed BCD (the list shows it as 10); the chart "
                       "leaves the step out",
                       "Step 05: minute 0x3F is not packed BCD (the list shows it as 45); the "
                       "chart leaves the step out",
                       "Step 06: hour 0x7F is not packed BCD (the list shows it as 85); the chart "
                       "leaves the step out",
                       "Step 06: minute 0xFF is not packed BCD (the list shows it as 165); the "
                       "chart leaves the step out"};
    QTest::newRow("a day byte that is no day code")
        << QStringList{"step 02 raw 87 30 83", "step 03 Edy 11:00 Pm Off", "step 04 raw 00 00 03"}
        << QStringList{"Step 02: day byte 0x83 is no day code; the step list will rewrite it to "
                       "0x01 (Sun, relay Off)"};
    QTest::newRow("month 13") << QStringList{"annual 00 13 01 13 04 01 13"}
                              << QStringList{"Annual 00: start month 13 is no month"};
    QTest::newRow("day 0") << QStringList{"annual 01 03 00 13 04 01 13"}
                           << QStringList{"Annual 01: start day 0 is no day"};
    QTest::newRow("a day byte that is not packed BCD")
        << QStringList{"annual 01 03 1A 13 04 01 13"}
        << QStringList{"Annual 01: start day 0x1A is not packed BCD (the list shows it as 20)"};
    QTest::newRow("blank day") << QStringList{"annual 02 03 15 13 04 32 13"}
                               << QStringList{"Annual 02: end day is left blank"};
    QTest::newRow("blank start year") << QStringList{"annual 00 03 15 A0 04 01 13"}
                                      << QStringList{"Annual 00: start year is left blank"};
    QTest::newRow("February 30") << QStringList{"annual 00 02 30 13 03 01 13"}
                                 << QStringList{"Annual 00: start date 02/30/13 does not exist"};
    QTest::newRow("February 29 outside a leap year")
        << QStringList{"annual 00 01 02 13 02 29 13"}
        << QStringList{"Annual 00: end date 02/29/13 does not exist"};
    QTest::newRow("April 31") << QStringList{"annual 09 04 31 13 05 01 13"}
                              << QStringList{"Annual 09: start date 04/31/13 does not exist"};
    QTest::newRow("end month 0") << QStringList{"annual 00 03 15 13 00 01 13"}
                                 << QStringList{"Annual 00: end month 0 is no month"};
    QTest::newRow("end year 100") << QStringList{"annual 00 03 15 13 04 01 A0"}
                                  << QStringList{"Annual 00: end year 0xA0 is not packed BCD (the "
                                                 "list shows it as 100)"};
    QTest::newRow("end before start")
        << QStringList{"annual 00 04 01 13 03 15 13"}
        << QStringList{"Annual 00: ends (03/15/13) before it starts (04/01/13)"};
    QTest::newRow("a cleared annual is not looked at")
        << QStringList{"annual 00 00 45 A0 13 00 A0"} << QStringList{};
}

void TestWeekChart::checks()
{
    QFETCH(QStringList, program);
    const SetsBuffer buffer = Program(program);
    const SetsBuffer before = buffer;
    const BufferLayout layout = LayoutOf(buffer);
    QTEST(Texts(CheckProgram(buffer, layout, ComputeWeekChart(buffer, layout))), "findings");
    QCOMPARE(buffer, before);
}

void TestWeekChart::checksNameTheirLine()
{
    const SetsBuffer buffer = Program({"step 07 raw 13 30 BE", "annual 04 13 01 13 04 01 13"});
    const std::vector<Finding> findings =
        CheckProgram(buffer, LayoutOf(buffer), ComputeWeekChart(buffer, LayoutOf(buffer)));
    QCOMPARE(findings.size(), 2u);
    QVERIFY(findings[0].line == Finding::Line::Step);
    QCOMPARE(findings[0].index, 7);
    QVERIFY(findings[1].line == Finding::Line::Annual);
    QCOMPARE(findings[1].index, 4);
}

// Steps 16..29 of the 30-step layout are the bytes of annuals 00..06; each year of those
// annuals is a step's day byte there, and showing the list rewrites the ones that are no day
// code. The checks name each rewrite while it stands.
void TestWeekChart::layoutSwitchRewritesAnnualYearsAndTheChecksSaySo()
{
    SetsBuffer buffer = Program({"annual 00 03 15 13 04 01 13"});
    ProgramEditor editor(buffer);
    editor.reloadAll();
    editor.setLayout(1);
    const SetsBuffer before = buffer;
    editor.reloadAll();
    const std::vector<DayByteRewrite> rewrites =
        DayBytesRewritten(before, buffer, ThirtyStepLayout);
    QCOMPARE(rewrites, (std::vector<DayByteRewrite>{{16, 0x13, 0x01}, {17, 0x13, 0x01}}));
    const QStringList texts = Texts(CheckProgram(
        buffer, ThirtyStepLayout, ComputeWeekChart(buffer, ThirtyStepLayout), rewrites));
    QVERIFY(texts.contains("Step 16: day byte 0x13 was no day code; the step list rewrote it to "
                           "0x01 (Sun, relay Off)"));

    // A day code chosen for the step ends the note; back in the 16-step layout none is left.
    editor.chooseStep(17);
    editor.setDayCode(4);
    QCOMPARE(RewritesStillShown(rewrites, buffer, ThirtyStepLayout),
             (std::vector<DayByteRewrite>{{16, 0x13, 0x01}}));
    QVERIFY(RewritesStillShown(rewrites, buffer, SixteenStepLayout).empty());
}

void TestWeekChart::summary()
{
    QStringList program{"flags 84", "annual 01 03 15 13 04 01 13", "annual 02 06 32 A0 06 10 26",
                        "annual 03 04 01 13 03 15 13", "annual 07 12 24 13 01 02 14"};
    for (int step = 0; step < 9; ++step)
        program << QStringLiteral("step %1 Wdy 0%2:00 Am On")
                       .arg(step, 2, 10, QChar('0'))
                       .arg(step + 1);
    SetsBuffer buffer = Program(program);
    buffer[DstByte] = 3;
    buffer[PulseByte] = 0x25;
    QCOMPARE(QString::fromStdString(UsageLine(buffer, SixteenStepLayout)),
             QStringLiteral("steps used 9 of 16, annuals used 4 of 10"));
    QCOMPARE(QString::fromStdString(StatusInWords(buffer)),
             QStringLiteral("DST: Yes, Relay: On, EL Lamp: On, Pulse: 25"));
    QStringList skips;
    for (const std::string& line : SkipPlanLines(buffer, SixteenStepLayout))
        skips << QString::fromStdString(line);
    QCOMPARE(skips, (QStringList{"Annual 01: skip 15 Mar 2013 – 1 Apr 2013",
                                 "Annual 02: skip 06/32/100 (no such date) – 10 Jun 2026",
                                 "Annual 03: skip 1 Apr 2013 – 15 Mar 2013 (ends before it starts)",
                                 "Annual 07: skip 24 Dec 2013 – 2 Jan 2014"}));

    // 30 steps, 3 annuals: annual 07 is annual 00 now, and the bytes of annuals 01..03 are the
    // set steps 18 to 23.
    buffer[FlagsByte] = 0x01;
    buffer[DstByte] = 0;
    buffer[PulseByte] = 0;
    QCOMPARE(QString::fromStdString(UsageLine(buffer, ThirtyStepLayout)),
             QStringLiteral("steps used 15 of 30, annuals used 1 of 3"));
    QCOMPARE(QString::fromStdString(StatusInWords(buffer)),
             QStringLiteral("DST: No, Relay: Off, EL Lamp: Off, Pulse: OFF"));
}

// The chart window opens beside the main window where the screen has room, else below it,
// else over it where it hides least of the step list. The main window is centred, as it opens.
void TestWeekChart::chartWindowOpensInSight_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QPoint>("chart");

    QTest::newRow("1920x1080: to the right")
        << QRect(0, 0, 1920, 1050) << QRect(754, 290, 412, 470) << QPoint(1174, 290);
    QTest::newRow("main window at the right edge: to the left")
        << QRect(0, 0, 1920, 1050) << QRect(1400, 100, 412, 470) << QPoint(738, 100);
    QTest::newRow("a tall screen: below")
        << QRect(0, 0, 1024, 1400) << QRect(306, 50, 412, 470) << QPoint(306, 528);
    QTest::newRow("1600x1000: over the main window's right edge, clear of the step list")
        << QRect(0, 0, 1600, 1000) << QRect(594, 265, 412, 470) << QPoint(946, 0);
    QTest::newRow("1366x768: over it, hiding the least of the step list")
        << QRect(0, 0, 1366, 740) << QRect(477, 135, 412, 470) << QPoint(712, 0);
}

void TestWeekChart::chartWindowOpensInSight()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, main);
    const QSize chart(654, 545);
    const QRect stepList(main.left() + 40, main.top() + 120, 225, 60);
    QTEST(PlaceBeside(screen, main, chart, stepList), "chart");
}

QTEST_APPLESS_MAIN(TestWeekChart)
#include "tst_weekchart.moc"
