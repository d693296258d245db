#include "model/weekchart.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int HoursPerHalfDay = 12;
constexpr int MinutesPerHour = 60;

// Cuts the stretch [from, to) of the week, to <= from + MinutesPerWeek, into the piece each day
// holds, wrapping past Saturday's end, and hands each to add(day, from, to).
template <typename Add> void ForEachDayPiece(int from, int to, Add add)
{
    while (from < to) {
        const int dayStart = from / MinutesPerDay * MinutesPerDay;
        const int end = std::min(to, dayStart + MinutesPerDay);
        add(from / MinutesPerDay % DaysPerWeek, from - dayStart, end - dayStart);
        from = end;
    }
}

std::vector<SwitchMark> GroupByMinute(const std::vector<RelaySwitch>& switches)
{
    std::vector<SwitchMark> marks;
    for (const RelaySwitch& change : switches) {
        if (marks.empty() || marks.back().weekMinute() != change.weekMinute()) {
            marks.push_back({change.day,
                             change.minute,
                             change.on ? SwitchMark::Kind::On : SwitchMark::Kind::Off,
                             {}});
        } else if ((marks.back().kind == SwitchMark::Kind::On) != change.on) {
            marks.back().kind = SwitchMark::Kind::Clash;
        }
        marks.back().steps.push_back(change.step);
    }
    return marks;
}

} // namespace

bool IsPackedBcd(Byte b)
{
    return (b >> 4) <= 9 && (b & 0x0F) <= 9;
}

bool StepRuns(const StepRecord& record)
{
    return !record.cleared() && IsPackedBcd(record.time & HourMask) &&
           record.hour() <= HoursPerHalfDay && IsPackedBcd(record.minute) &&
           record.minutes() < MinutesPerHour;
}

int MinuteOfDay(const StepRecord& record)
{
    const int hour = record.hour() % HoursPerHalfDay + (record.pm() ? HoursPerHalfDay : 0);
    return hour * MinutesPerHour + record.minutes();
}

std::vector<int> DaysOfMask(Byte mask)
{
    std::vector<int> days;
    for (int day = 0; day < DaysPerWeek; ++day) {
        if (mask & (1 << day))
            days.push_back(day);
    }
    return days;
}

WeekChart ComputeWeekChart(const SetsBuffer& buffer, const BufferLayout& layout)
{
    WeekChart chart;
    chart.statusRelayOn = (buffer[FlagsByte] & RelayBit) != 0;
    for (int step = 0; step < layout.stepCount; ++step) {
        const StepRecord record = ReadStep(buffer, step);
        if (!StepRuns(record))
            continue;
        for (int day : DaysOfMask(record.dayMask()))
            chart.switches.push_back({step, day, MinuteOfDay(record), record.relayOn()});
    }
    std::sort(chart.switches.begin(), chart.switches.end(),
              [](const RelaySwitch& a, const RelaySwitch& b) {
                  return a.weekMinute() != b.weekMinute() ? a.weekMinute() < b.weekMinute()
                                                          : a.step < b.step;
              });
    chart.marks = GroupByMinute(chart.switches);

    // The week repeats, so the state at Sunday 00:00 is the one the week's last switch left.
    const auto addOn = [&chart](int day, int from, int to) {
        std::vector<DaySpan>& spans = chart.on[std::size_t(day)];
        // Two switches to On in a row, or one at midnight, continue the span before.
        if (!spans.empty() && spans.back().to == from)
            spans.back().to = to;
        else
            spans.push_back({from, to});
    };
    bool on = chart.switches.empty() ? chart.statusRelayOn : chart.switches.back().on;
    int from = 0;
    for (const RelaySwitch& change : chart.switches) {
        if (on)
            ForEachDayPiece(from, change.weekMinute(), addOn);
        from = change.weekMinute();
        on = change.on;
    }
    if (on)
        ForEachDayPiece(from, MinutesPerWeek, addOn);

    // After a clash the state is unsure until the next mark, which may lie past the week's end.
    const int markCount = int(chart.marks.size());
    for (int k = 0; k < markCount; ++k) {
        if (chart.marks[std::size_t(k)].kind != SwitchMark::Kind::Clash)
            continue;
        const int start = chart.marks[std::size_t(k)].weekMinute();
        const int next = chart.marks[std::size_t((k + 1) % markCount)].weekMinute();
        const int end = next > start ? next : next + MinutesPerWeek;
        ForEachDayPiece(start, end, [&chart, k](int day, int a, int b) {
            chart.unsure[std::size_t(day)].push_back({a, b, k});
        });
    }
    for (std::vector<UnsureSpan>& spans : chart.unsure)
        std::sort(spans.begin(), spans.end(),
                  [](const UnsureSpan& a, const UnsureSpan& b) { return a.from < b.from; });
    return chart;
}

std::string ClockTimeText(int minuteOfDay)
{
    const int hour = minuteOfDay / MinutesPerHour;
    const int onDial = hour % HoursPerHalfDay == 0 ? HoursPerHalfDay : hour % HoursPerHalfDay;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d %s", onDial, minuteOfDay % MinutesPerHour,
                  hour < HoursPerHalfDay ? "Am" : "Pm");
    return text;
}

std::string StepTimeText(const StepRecord& record)
{
    return ClockTimeText(MinuteOfDay(record));
}
