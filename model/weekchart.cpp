#include "model/weekchart.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int HoursPerHalfDay = 12;
constexpr int MinutesPerHour = 60;

template <typename... Args> std::string Format(const char* format, Args... args)
{
    char text[96];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

// Adds the On stretch [from, to) of the week to the days it covers.
void AddOn(WeekChart& chart, int from, int to)
{
    while (from < to) {
        const int day = from / MinutesPerDay;
        const int dayEnd = (day + 1) * MinutesPerDay;
        const int end = std::min(to, dayEnd);
        std::vector<OnSpan>& spans = chart.on[static_cast<std::size_t>(day)];
        const int spanFrom = from - day * MinutesPerDay;
        const int spanTo = end - day * MinutesPerDay;
        // Two switches to On in a row, or one at midnight, continue the span before.
        if (!spans.empty() && spans.back().to == spanFrom)
            spans.back().to = spanTo;
        else
            spans.push_back({spanFrom, spanTo});
        from = end;
    }
}

} // namespace

bool StepRuns(const StepRecord& record)
{
    return !record.cleared() && record.hour() <= HoursPerHalfDay &&
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

    // The week repeats, so the state at Sunday 00:00 is the one the week's last switch left.
    bool on =
        chart.switches.empty() ? (buffer[FlagsByte] & RelayBit) != 0 : chart.switches.back().on;
    int from = 0;
    for (const RelaySwitch& change : chart.switches) {
        if (on)
            AddOn(chart, from, change.weekMinute());
        from = change.weekMinute();
        on = change.on;
    }
    if (on)
        AddOn(chart, from, MinutesPerWeek);
    return chart;
}

std::string StepTimeText(const StepRecord& record)
{
    return Format("%02d:%02d %s", record.hour(), record.minutes(), record.pm() ? "Pm" : "Am");
}

std::vector<std::string> SkipPlanLines(const SetsBuffer& buffer, const BufferLayout& layout)
{
    std::vector<std::string> lines;
    for (int annual = 0; annual < layout.annualCount; ++annual) {
        const AnnualRecord record = ReadAnnual(buffer, layout, annual);
        if (record.cleared())
            continue;
        lines.push_back(Format("Skip %02d/%02d/%02d \u2013 %02d/%02d/%02d",
                               record.value(StartMonthField), record.value(StartDayField),
                               record.value(StartYearField), record.value(EndMonthField),
                               record.value(EndDayField), record.value(EndYearField)));
    }
    return lines;
}

std::string StatusInWords(const SetsBuffer& buffer)
{
    // The words of the status controls; the DST byte reads as its control does: 0 is "No",
    // 1..127 are "Yes", and a byte of 128 or more shows neither.
    const int dst = static_cast<signed char>(buffer[DstByte]);
    const std::string dstWord =
        dst < 0 ? Format("neither (byte 0x%02X)", buffer[DstByte]) : (dst ? "Yes" : "No");
    const int pulse = BcdToBinary(buffer[PulseByte]);
    const std::string pulseWord = pulse == 0 ? std::string("OFF") : std::to_string(pulse);
    const Byte flags = buffer[FlagsByte];
    return "DST: " + dstWord + ", Relay: " + ((flags & RelayBit) ? "On" : "Off") +
           ", EL Lamp: " + ((flags & ElLampBit) ? "On" : "Off") + ", Pulse: " + pulseWord;
}

std::string UsageLine(const SetsBuffer& buffer, const BufferLayout& layout)
{
    int steps = 0;
    for (int step = 0; step < layout.stepCount; ++step)
        steps += ReadStep(buffer, step).cleared() ? 0 : 1;
    int annuals = 0;
    for (int annual = 0; annual < layout.annualCount; ++annual)
        annuals += ReadAnnual(buffer, layout, annual).cleared() ? 0 : 1;
    return Format("steps used %d of %d, annuals used %d of %d", steps, layout.stepCount, annuals,
                  layout.annualCount);
}
