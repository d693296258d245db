#include "model/programchecks.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <utility>

namespace {

constexpr int LastHour = 12;
constexpr int LastMinute = 59;
constexpr int LastMonth = 12;
constexpr int BlankDay = 32;        // what the blank item of the day lists stores
constexpr int BlankStartYear = 100; // and that of the start year list
constexpr int LastYear = 99;

template <typename... Args> std::string Format(const char* format, Args... args)
{
    char text[160];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

const char* OnOff(bool on)
{
    return on ? "On" : "Off";
}

std::string DayList(Byte mask)
{
    std::string list;
    for (int day : DaysOfMask(mask))
        list += (list.empty() ? "" : ", ") + std::string(WeekDayNames[std::size_t(day)]);
    return list;
}

std::string DayCodeText(Byte day)
{
    const std::optional<int> code = DayCodeIndex(day & DayMaskBits);
    const std::string name = code ? std::string(DayCodeTable[std::size_t(*code)].name) : "?";
    return name + ", relay " + OnOff((day & StepRelayBit) != 0);
}

// What each step's lines say, collected by step so that they come out in step order.
using StepTexts = std::vector<std::vector<std::string>>;

void CheckSwitches(const WeekChart& chart, StepTexts& texts, const SetsBuffer& buffer)
{
    // Switches at one minute are neighbours in the chart's order.
    std::map<std::pair<int, int>, Byte> conflictDays; // (earlier step, later step) -> days
    std::set<int> inConflict;
    const std::vector<RelaySwitch>& all = chart.switches;
    for (std::size_t first = 0; first < all.size();) {
        std::size_t end = first;
        while (end < all.size() && all[end].weekMinute() == all[first].weekMinute())
            ++end;
        for (std::size_t a = first; a < end; ++a) {
            for (std::size_t b = a + 1; b < end; ++b) {
                if (all[a].on != all[b].on && all[a].step != all[b].step) {
                    conflictDays[{all[a].step, all[b].step}] |= Byte(1 << all[a].day);
                    inConflict.insert(all[a].step);
                    inConflict.insert(all[b].step);
                }
            }
        }
        first = end;
    }
    for (const auto& [steps, days] : conflictDays) {
        const StepRecord later = ReadStep(buffer, steps.second);
        texts[std::size_t(steps.second)].push_back(
            Format("switches %s at %s on %s, the same minute as step %02d switches %s; which "
                   "wins on the clock is unknown",
                   OnOff(later.relayOn()), StepTimeText(later).c_str(), DayList(days).c_str(),
                   steps.first, OnOff(!later.relayOn())));
    }

    // A switch changes nothing when the state before it, the one the previous switch of the
    // week left, is its own.
    std::map<int, bool> changesNothing;
    for (std::size_t k = 0; k < all.size(); ++k) {
        const bool before = all[(k + all.size() - 1) % all.size()].on;
        auto [entry, added] = changesNothing.try_emplace(all[k].step, true);
        entry->second = entry->second && before == all[k].on;
    }
    for (const auto& [step, nothing] : changesNothing) {
        if (!nothing || inConflict.count(step))
            continue;
        const StepRecord record = ReadStep(buffer, step);
        texts[std::size_t(step)].push_back(
            Format("never changes anything: the relay is already %s at %s on each of its days",
                   OnOff(record.relayOn()), StepTimeText(record).c_str()));
    }
}

void CheckStepRecords(const SetsBuffer& buffer, const BufferLayout& layout,
                      const std::vector<DayByteRewrite>& rewrites, StepTexts& texts)
{
    for (int step = 0; step < layout.stepCount; ++step) {
        const StepRecord record = ReadStep(buffer, step);
        if (record.cleared())
            continue;
        std::vector<std::string>& says = texts[std::size_t(step)];
        if (record.hour() > LastHour)
            says.push_back(Format("hour %d is no hour of the clock; the chart leaves the step out",
                                  record.hour()));
        if (record.minutes() > LastMinute)
            says.push_back(
                Format("minute %d is no minute of the clock; the chart leaves the step out",
                       record.minutes()));
        if (!DayCodeIndex(record.dayMask()))
            says.push_back(Format("day byte 0x%02X is no day code; the step list will rewrite it "
                                  "to 0x%02X (%s)",
                                  record.day, UnknownDayCodeReplacement,
                                  DayCodeText(UnknownDayCodeReplacement).c_str()));
    }
    for (const DayByteRewrite& rewrite : rewrites) {
        if (rewrite.step < layout.stepCount)
            texts[std::size_t(rewrite.step)].push_back(
                Format("day byte 0x%02X was no day code; the step list rewrote it to 0x%02X (%s)",
                       rewrite.before, rewrite.after, DayCodeText(rewrite.after).c_str()));
    }
}

int DaysInMonth(int month, int year)
{
    constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && year % 4 == 0 ? 29 : Days[month - 1];
}

// The faults of one date of a set annual; none when it is a day of the calendar.
std::vector<std::string> DateFaults(const char* which, int month, int day, int year,
                                    bool yearHasBlank)
{
    std::vector<std::string> faults;
    if (month < 1 || month > LastMonth)
        faults.push_back(Format("%s month %d is no month", which, month));
    if (day == BlankDay)
        faults.push_back(Format("%s day is left blank", which));
    else if (day < 1 || day > BlankDay)
        faults.push_back(Format("%s day %d is no day", which, day));
    if (yearHasBlank && year == BlankStartYear)
        faults.push_back(Format("%s year is left blank", which));
    else if (year > LastYear)
        faults.push_back(Format("%s year %d is no year", which, year));
    if (faults.empty() && day > DaysInMonth(month, year))
        faults.push_back(Format("%s date %02d/%02d/%02d does not exist", which, month, day, year));
    return faults;
}

void CheckAnnuals(const SetsBuffer& buffer, const BufferLayout& layout,
                  std::vector<Finding>& findings)
{
    for (int annual = 0; annual < layout.annualCount; ++annual) {
        const AnnualRecord r = ReadAnnual(buffer, layout, annual);
        if (r.cleared())
            continue;
        const int start[] = {r.value(StartYearField), r.value(StartMonthField),
                             r.value(StartDayField)};
        const int end[] = {r.value(EndYearField), r.value(EndMonthField), r.value(EndDayField)};
        std::vector<std::string> faults = DateFaults("start", start[1], start[2], start[0], true);
        const std::vector<std::string> endFaults = DateFaults("end", end[1], end[2], end[0], false);
        faults.insert(faults.end(), endFaults.begin(), endFaults.end());
        if (faults.empty() && std::lexicographical_compare(end, end + 3, start, start + 3))
            faults.push_back(Format("ends (%02d/%02d/%02d) before it starts (%02d/%02d/%02d)",
                                    end[1], end[2], end[0], start[1], start[2], start[0]));
        for (const std::string& fault : faults)
            findings.push_back(
                {Finding::Line::Annual, annual, Format("Annual %02d: ", annual) + fault});
    }
}

} // namespace

std::vector<DayByteRewrite> DayBytesRewritten(const SetsBuffer& before, const SetsBuffer& after,
                                              const BufferLayout& layout)
{
    std::vector<DayByteRewrite> rewrites;
    for (int step = 0; step < layout.stepCount; ++step) {
        const StepRecord was = ReadStep(before, step);
        const StepRecord is = ReadStep(after, step);
        if (!was.cleared() && !DayCodeIndex(was.dayMask()) && was.day != is.day)
            rewrites.push_back({step, was.day, is.day});
    }
    return rewrites;
}

std::vector<DayByteRewrite> RewritesStillShown(const std::vector<DayByteRewrite>& rewrites,
                                               const SetsBuffer& buffer, const BufferLayout& layout)
{
    std::vector<DayByteRewrite> standing;
    for (const DayByteRewrite& rewrite : rewrites) {
        if (rewrite.step < layout.stepCount && ReadStep(buffer, rewrite.step).day == rewrite.after)
            standing.push_back(rewrite);
    }
    return standing;
}

std::vector<Finding> CheckProgram(const SetsBuffer& buffer, const BufferLayout& layout,
                                  const WeekChart& chart,
                                  const std::vector<DayByteRewrite>& rewrites)
{
    StepTexts texts(static_cast<std::size_t>(layout.stepCount));
    CheckSwitches(chart, texts, buffer);
    CheckStepRecords(buffer, layout, rewrites, texts);
    std::vector<Finding> findings;
    for (int step = 0; step < layout.stepCount; ++step) {
        for (const std::string& text : texts[std::size_t(step)])
            findings.push_back({Finding::Line::Step, step, Format("Step %02d: ", step) + text});
    }
    CheckAnnuals(buffer, layout, findings);
    return findings;
}
