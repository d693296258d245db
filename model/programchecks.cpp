#include "model/programchecks.h"

#include "model/translation.h"

#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <utility>

namespace {

// What the findings say, all in one place, for a translator too. Each is a whole sentence with
// its values in it; where a step switches On or Off, each state has a sentence of its own.
namespace Says {
constexpr auto StepLine = TranslatableText("ProgramChecks", "Step %02d: ");
constexpr auto AnnualLine = TranslatableText("ProgramChecks", "Annual %02d: ");
constexpr auto StepName = TranslatableText("ProgramChecks", "step %02d");
constexpr const char* ListComma = ", ";
constexpr auto ListAnd = TranslatableText("ProgramChecks", " and ");
constexpr const char* NoDayCode = "?";
constexpr TranslatableText DayCodeAndRelay[] = {
    TranslatableText("ProgramChecks", "%s, relay Off"),
    TranslatableText("ProgramChecks", "%s, relay On"),
};
constexpr TranslatableText DayNames[DaysPerWeek] = {
    TranslatableText("ProgramChecks", "Sun"), TranslatableText("ProgramChecks", "Mon"),
    TranslatableText("ProgramChecks", "Tue"), TranslatableText("ProgramChecks", "Wed"),
    TranslatableText("ProgramChecks", "Thu"), TranslatableText("ProgramChecks", "Fri"),
    TranslatableText("ProgramChecks", "Sat"),
};

// Each of these by the state the step switches to: [0] Off, [1] On.
constexpr TranslatableText Clash[] = {
    TranslatableText("ProgramChecks",
                     "switches Off at %s on %s, the same minute as step %02d switches On; which "
                     "wins on the clock is unknown"),
    TranslatableText("ProgramChecks",
                     "switches On at %s on %s, the same minute as step %02d switches Off; which "
                     "wins on the clock is unknown"),
};
constexpr TranslatableText AlreadyBefore[] = {
    TranslatableText("ProgramChecks",
                     "never changes anything: the relay is already Off at %s on each of its days, "
                     "switched Off before by %s"),
    TranslatableText("ProgramChecks",
                     "never changes anything: the relay is already On at %s on each of its days, "
                     "switched On before by %s"),
};
constexpr TranslatableText AlsoAtTheMinute[] = {
    TranslatableText("ProgramChecks", "never changes anything: on each of its days the relay is "
                                      "switched Off at the same minute (%s) by %s"),
    TranslatableText("ProgramChecks", "never changes anything: on each of its days the relay is "
                                      "switched On at the same minute (%s) by %s"),
};
constexpr TranslatableText AlreadyOrAlso[] = {
    TranslatableText("ProgramChecks", "never changes anything: on each of its days the relay is "
                                      "already Off at %s or switched Off at that minute, by %s"),
    TranslatableText("ProgramChecks", "never changes anything: on each of its days the relay is "
                                      "already On at %s or switched On at that minute, by %s"),
};
constexpr TranslatableText StatusKeeps[] = {
    TranslatableText("ProgramChecks", "never changes anything: no other step switches the relay, "
                                      "and the status Relay setting keeps it Off"),
    TranslatableText("ProgramChecks", "never changes anything: no other step switches the relay, "
                                      "and the status Relay setting keeps it On"),
};
constexpr auto DependsOn =
    TranslatableText("ProgramChecks", "whether it changes anything depends on %s, which switch at "
                                      "the same minute before it; which wins on the clock is "
                                      "unknown");

constexpr auto HourNotBcd = TranslatableText(
    "ProgramChecks",
    "hour 0x%02X is not packed BCD (the list shows it as %d); the chart leaves the step out");
constexpr auto NoHour = TranslatableText(
    "ProgramChecks", "hour %d is no hour of the clock; the chart leaves the step out");
constexpr auto MinuteNotBcd = TranslatableText(
    "ProgramChecks",
    "minute 0x%02X is not packed BCD (the list shows it as %d); the chart leaves the step out");
constexpr auto NoMinute = TranslatableText(
    "ProgramChecks", "minute %d is no minute of the clock; the chart leaves the step out");
constexpr auto DayCodeWillBeRewritten = TranslatableText(
    "ProgramChecks",
    "day byte 0x%02X is no day code; the step list will rewrite it to 0x%02X (%s)");
constexpr auto DayCodeRewritten = TranslatableText(
    "ProgramChecks", "day byte 0x%02X was no day code; the step list rewrote it to 0x%02X (%s)");

// The faults of a date, for the start date and for the end date.
struct DateSays {
    TranslatableText monthNotBcd;
    TranslatableText noMonth;
    TranslatableText dayNotBcd;
    TranslatableText blankDay;
    TranslatableText noDay;
    TranslatableText yearNotBcd;
    const TranslatableText* blankYear; // only the start year has a blank item
    TranslatableText noSuchDate;
};
constexpr auto BlankStartYear = TranslatableText("ProgramChecks", "start year is left blank");
constexpr DateSays StartDate{
    TranslatableText("ProgramChecks",
                     "start month 0x%02X is not packed BCD (the list shows it as %d)"),
    TranslatableText("ProgramChecks", "start month %d is no month"),
    TranslatableText("ProgramChecks",
                     "start day 0x%02X is not packed BCD (the list shows it as %d)"),
    TranslatableText("ProgramChecks", "start day is left blank"),
    TranslatableText("ProgramChecks", "start day %d is no day"),
    TranslatableText("ProgramChecks",
                     "start year 0x%02X is not packed BCD (the list shows it as %d)"),
    &BlankStartYear,
    TranslatableText("ProgramChecks", "start date %02d/%02d/%02d does not exist"),
};
constexpr DateSays EndDate{
    TranslatableText("ProgramChecks",
                     "end month 0x%02X is not packed BCD (the list shows it as %d)"),
    TranslatableText("ProgramChecks", "end month %d is no month"),
    TranslatableText("ProgramChecks", "end day 0x%02X is not packed BCD (the list shows it as %d)"),
    TranslatableText("ProgramChecks", "end day is left blank"),
    TranslatableText("ProgramChecks", "end day %d is no day"),
    TranslatableText("ProgramChecks",
                     "end year 0x%02X is not packed BCD (the list shows it as %d)"),
    nullptr,
    TranslatableText("ProgramChecks", "end date %02d/%02d/%02d does not exist"),
};
constexpr auto EndsBeforeStart =
    TranslatableText("ProgramChecks", "ends (%02d/%02d/%02d) before it starts (%02d/%02d/%02d)");
} // namespace Says

constexpr int LastHour = 12;
constexpr int LastMinute = 59;
constexpr int LastMonth = 12;
constexpr int LastDay = 31;
constexpr Byte BlankDayByte = 0x32;       // what the blank item of the day lists stores
constexpr Byte BlankStartYearByte = 0xA0; // and that of the start year list

template <typename... Args> std::string Format(const TranslatableText& text, Args... args)
{
    return FormatText(Translate(text).c_str(), args...);
}

std::string DayList(Byte mask)
{
    std::string list;
    for (int day : DaysOfMask(mask))
        list += (list.empty() ? "" : Says::ListComma) + Translate(Says::DayNames[std::size_t(day)]);
    return list;
}

// "step 03", "step 03 and step 05", "step 01, step 03 and step 05".
std::string StepList(const std::set<int>& steps)
{
    std::string list;
    std::size_t k = 0;
    for (int step : steps) {
        if (k > 0)
            list += k + 1 == steps.size() ? Translate(Says::ListAnd) : Says::ListComma;
        list += Format(Says::StepName, step);
        ++k;
    }
    return list;
}

std::string DayCodeText(Byte day)
{
    const std::optional<int> code = DayCodeIndex(day & DayMaskBits);
    const std::string name =
        code ? std::string(DayCodeTable[std::size_t(*code)].name) : Says::NoDayCode;
    return Format(Says::DayCodeAndRelay[(day & StepRelayBit) != 0], name.c_str());
}

// What each step's lines say, collected by step so that they come out in step order.
using StepTexts = std::vector<std::vector<std::string>>;

// Names each pair of steps that switch to different states at one minute, on the later step,
// with the days they do so on. Returns the steps in a clash.
std::set<int> CheckClashes(const WeekChart& chart, const SetsBuffer& buffer, StepTexts& texts)
{
    std::map<std::pair<int, int>, Byte> clashDays; // (earlier step, later step) -> days
    std::set<int> inClash;
    for (const SwitchMark& mark : chart.marks) {
        if (mark.kind != SwitchMark::Kind::Clash)
            continue;
        for (std::size_t a = 0; a < mark.steps.size(); ++a) {
            for (std::size_t b = a + 1; b < mark.steps.size(); ++b) {
                const int earlier = mark.steps[a];
                const int later = mark.steps[b];
                if (ReadStep(buffer, earlier).relayOn() == ReadStep(buffer, later).relayOn())
                    continue;
                clashDays[{earlier, later}] |= Byte(1 << mark.day);
                inClash.insert(earlier);
                inClash.insert(later);
            }
        }
    }
    for (const auto& [steps, days] : clashDays) {
        const StepRecord later = ReadStep(buffer, steps.second);
        texts[std::size_t(steps.second)].push_back(Format(Says::Clash[later.relayOn()],
                                                          StepTimeText(later).c_str(),
                                                          DayList(days).c_str(), steps.first));
    }
    return inClash;
}

// What taking one step out of the program would do to the week, judged at each of its marks:
// the state from its minute on is the one it switches to, and without it the one that other
// steps at the same minute switch to, or else the one the last other mark before it left.
struct Removal {
    bool changesSomething = false;
    std::set<int> sameMinute;   // steps switching the same way at its minute
    std::set<int> before;       // steps whose earlier switch left the relay in its state
    std::set<int> dependsOn;    // steps of a clash whose winner decides
    bool statusDecides = false; // no other step switches: the status "Relay" setting holds
};

bool IsOnlyStep(const SwitchMark& mark, int step)
{
    return mark.steps.size() == 1 && mark.steps.front() == step;
}

void JudgeMark(const WeekChart& chart, int step, bool on, std::size_t at, Removal& removal)
{
    const std::vector<SwitchMark>& marks = chart.marks;
    const SwitchMark& mark = marks[at];
    if (!IsOnlyStep(mark, step)) {
        // The others here switch as it does: it is in no clash.
        for (int other : mark.steps) {
            if (other != step)
                removal.sameMinute.insert(other);
        }
        return;
    }
    std::size_t k = at;
    do {
        k = (k + marks.size() - 1) % marks.size();
    } while (k != at && IsOnlyStep(marks[k], step));
    if (k == at) {
        removal.statusDecides = true;
        removal.changesSomething = removal.changesSomething || chart.statusRelayOn != on;
        return;
    }
    const SwitchMark& last = marks[k];
    if (last.kind == SwitchMark::Kind::Clash)
        removal.dependsOn.insert(last.steps.begin(), last.steps.end());
    else if ((last.kind == SwitchMark::Kind::On) == on)
        removal.before.insert(last.steps.begin(), last.steps.end());
    else
        removal.changesSomething = true;
}

void CheckRemovals(const WeekChart& chart, const SetsBuffer& buffer, const std::set<int>& inClash,
                   StepTexts& texts)
{
    std::map<int, Removal> removals;
    for (std::size_t at = 0; at < chart.marks.size(); ++at) {
        for (int step : chart.marks[at].steps) {
            if (!inClash.count(step))
                JudgeMark(chart, step, ReadStep(buffer, step).relayOn(), at, removals[step]);
        }
    }
    for (const auto& [step, removal] : removals) {
        if (removal.changesSomething)
            continue;
        const StepRecord record = ReadStep(buffer, step);
        const bool on = record.relayOn();
        const std::string time = StepTimeText(record);
        std::string text;
        if (!removal.dependsOn.empty()) {
            text = Format(Says::DependsOn, StepList(removal.dependsOn).c_str());
        } else if (removal.statusDecides) {
            text = Translate(Says::StatusKeeps[on]);
        } else if (removal.sameMinute.empty()) {
            text = Format(Says::AlreadyBefore[on], time.c_str(), StepList(removal.before).c_str());
        } else if (removal.before.empty()) {
            text = Format(Says::AlsoAtTheMinute[on], time.c_str(),
                          StepList(removal.sameMinute).c_str());
        } else {
            std::set<int> makers = removal.before;
            makers.insert(removal.sameMinute.begin(), removal.sameMinute.end());
            text = Format(Says::AlreadyOrAlso[on], time.c_str(), StepList(makers).c_str());
        }
        texts[std::size_t(step)].push_back(text);
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
        const Byte hour = record.time & HourMask;
        if (!IsPackedBcd(hour))
            says.push_back(Format(Says::HourNotBcd, hour, record.hour()));
        else if (record.hour() > LastHour)
            says.push_back(Format(Says::NoHour, record.hour()));
        if (!IsPackedBcd(record.minute))
            says.push_back(Format(Says::MinuteNotBcd, record.minute, record.minutes()));
        else if (record.minutes() > LastMinute)
            says.push_back(Format(Says::NoMinute, record.minutes()));
        if (!DayCodeIndex(record.dayMask()))
            says.push_back(Format(Says::DayCodeWillBeRewritten, record.day,
                                  UnknownDayCodeReplacement,
                                  DayCodeText(UnknownDayCodeReplacement).c_str()));
    }
    for (const DayByteRewrite& rewrite : rewrites) {
        if (rewrite.step < layout.stepCount)
            texts[std::size_t(rewrite.step)].push_back(Format(Says::DayCodeRewritten,
                                                              rewrite.before, rewrite.after,
                                                              DayCodeText(rewrite.after).c_str()));
    }
}

int DaysInMonth(int month, int year)
{
    constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && year % 4 == 0 ? 29 : Days[month - 1];
}

// The faults of one date of a set annual; none when it is a day of the calendar.
std::vector<std::string> DateFaults(const Says::DateSays& says, const SkipDate& date)
{
    std::vector<std::string> faults;
    const int month = BcdToBinary(date.month);
    const int day = BcdToBinary(date.day);
    const int year = BcdToBinary(date.year);
    if (!IsPackedBcd(date.month))
        faults.push_back(Format(says.monthNotBcd, date.month, month));
    else if (month < 1 || month > LastMonth)
        faults.push_back(Format(says.noMonth, month));
    if (date.day == BlankDayByte)
        faults.push_back(Translate(says.blankDay));
    else if (!IsPackedBcd(date.day))
        faults.push_back(Format(says.dayNotBcd, date.day, day));
    else if (day < 1 || day > LastDay)
        faults.push_back(Format(says.noDay, day));
    if (says.blankYear && date.year == BlankStartYearByte)
        faults.push_back(Translate(*says.blankYear));
    else if (!IsPackedBcd(date.year))
        faults.push_back(Format(says.yearNotBcd, date.year, year));
    if (faults.empty() && day > DaysInMonth(month, year))
        faults.push_back(Format(says.noSuchDate, month, day, year));
    return faults;
}

void CheckAnnuals(const SetsBuffer& buffer, const BufferLayout& layout,
                  std::vector<Finding>& findings)
{
    for (int annual = 0; annual < layout.annualCount; ++annual) {
        const AnnualRecord r = ReadAnnual(buffer, layout, annual);
        if (r.cleared())
            continue;
        std::vector<std::string> faults = DateFaults(Says::StartDate, StartDateOf(r));
        const std::vector<std::string> endFaults = DateFaults(Says::EndDate, EndDateOf(r));
        faults.insert(faults.end(), endFaults.begin(), endFaults.end());
        if (EndsBeforeItStarts(r))
            faults.push_back(Format(Says::EndsBeforeStart, r.value(EndMonthField),
                                    r.value(EndDayField), r.value(EndYearField),
                                    r.value(StartMonthField), r.value(StartDayField),
                                    r.value(StartYearField)));
        for (const std::string& fault : faults)
            findings.push_back(
                {Finding::Line::Annual, annual, Format(Says::AnnualLine, annual) + fault});
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
    const std::set<int> inClash = CheckClashes(chart, buffer, texts);
    CheckRemovals(chart, buffer, inClash, texts);
    CheckStepRecords(buffer, layout, rewrites, texts);
    std::vector<Finding> findings;
    for (int step = 0; step < layout.stepCount; ++step) {
        std::set<std::string> said;
        for (const std::string& text : texts[std::size_t(step)]) {
            if (said.insert(text).second)
                findings.push_back(
                    {Finding::Line::Step, step, Format(Says::StepLine, step) + text});
        }
    }
    CheckAnnuals(buffer, layout, findings);
    return findings;
}

SkipDate StartDateOf(const AnnualRecord& record)
{
    return {record.bytes[StartMonthField], record.bytes[StartDayField],
            record.bytes[StartYearField]};
}

SkipDate EndDateOf(const AnnualRecord& record)
{
    return {record.bytes[EndMonthField], record.bytes[EndDayField], record.bytes[EndYearField]};
}

bool DateExists(const SkipDate& date)
{
    if (!IsPackedBcd(date.month) || !IsPackedBcd(date.day) || !IsPackedBcd(date.year))
        return false;
    const int month = BcdToBinary(date.month);
    const int day = BcdToBinary(date.day);
    return month >= 1 && month <= LastMonth && day >= 1 &&
           day <= DaysInMonth(month, BcdToBinary(date.year));
}

bool EndsBeforeItStarts(const AnnualRecord& record)
{
    const SkipDate start = StartDateOf(record);
    const SkipDate end = EndDateOf(record);
    if (!DateExists(start) || !DateExists(end))
        return false;
    // Packed BCD orders as its numbers do.
    const auto key = [](const SkipDate& d) { return std::tuple(d.year, d.month, d.day); };
    return key(end) < key(start);
}
