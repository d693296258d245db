#include "model/programoverview.h"

#include "model/listlines.h"

#include <array>
#include <cstdio>

namespace {

// What the lines below the chart say, all in one place.
namespace Says {
constexpr const char* SkipPlan = "Annual %02d: skip %s \u2013 %s";
constexpr const char* EndsBeforeItStarts = "Annual %02d: skip %s \u2013 %s (ends before it starts)";
constexpr const char* Date = "%d %s 20%02d";
constexpr std::array<const char*, 12> Months{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* NoSuchDate = "%02d/%02d/%02d (no such date)";
constexpr const char* Status = "DST: %s, Relay: %s, EL Lamp: %s, Pulse: %s";
constexpr const char* DstNeither = "neither (byte 0x%02X)";
constexpr const char* Yes = "Yes";
constexpr const char* No = "No";
constexpr const char* On = "On";
constexpr const char* Off = "Off";
constexpr const char* PulseOff = "OFF";
constexpr const char* Usage = "steps used %d of %d, annuals used %d of %d";
} // namespace Says

template <typename... Args> std::string Format(const char* format, Args... args)
{
    char text[160];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

std::string DateInWords(const SkipDate& date)
{
    const int month = BcdToBinary(date.month);
    const int day = BcdToBinary(date.day);
    const int year = BcdToBinary(date.year);
    if (!DateExists(date))
        return Format(Says::NoSuchDate, month, day, year);
    return Format(Says::Date, day, Says::Months[std::size_t(month - 1)], year);
}

} // namespace

ProgramOverview OverviewOf(const SetsBuffer& buffer, const BufferLayout& layout,
                           const std::vector<DayByteRewrite>& rewrites)
{
    ProgramOverview overview;
    overview.chart = ComputeWeekChart(buffer, layout);
    overview.findings = CheckProgram(buffer, layout, overview.chart, rewrites);
    SetsBuffer copy = buffer; // formatting a line may rewrite a day byte
    overview.stepLines = StepListLines(copy, layout);
    overview.skipPlans = SkipPlanLines(buffer, layout);
    overview.status = StatusInWords(buffer);
    overview.usage = UsageLine(buffer, layout);
    return overview;
}

std::vector<std::string> SkipPlanLines(const SetsBuffer& buffer, const BufferLayout& layout)
{
    std::vector<std::string> lines;
    for (int annual = 0; annual < layout.annualCount; ++annual) {
        const AnnualRecord record = ReadAnnual(buffer, layout, annual);
        if (record.cleared())
            continue;
        lines.push_back(Format(
            EndsBeforeItStarts(record) ? Says::EndsBeforeItStarts : Says::SkipPlan, annual,
            DateInWords(StartDateOf(record)).c_str(), DateInWords(EndDateOf(record)).c_str()));
    }
    return lines;
}

std::string StatusInWords(const SetsBuffer& buffer)
{
    // The words of the status controls; the DST byte reads as its control does: 0 is "No",
    // 1..127 are "Yes", and a byte of 128 or more shows neither.
    const int dst = static_cast<signed char>(buffer[DstByte]);
    const std::string dstWord =
        dst < 0 ? Format(Says::DstNeither, buffer[DstByte]) : (dst ? Says::Yes : Says::No);
    const int pulse = BcdToBinary(buffer[PulseByte]);
    const std::string pulseWord = pulse == 0 ? std::string(Says::PulseOff) : std::to_string(pulse);
    const Byte flags = buffer[FlagsByte];
    return Format(Says::Status, dstWord.c_str(), (flags & RelayBit) ? Says::On : Says::Off,
                  (flags & ElLampBit) ? Says::On : Says::Off, pulseWord.c_str());
}

std::string UsageLine(const SetsBuffer& buffer, const BufferLayout& layout)
{
    int steps = 0;
    for (int step = 0; step < layout.stepCount; ++step)
        steps += ReadStep(buffer, step).cleared() ? 0 : 1;
    int annuals = 0;
    for (int annual = 0; annual < layout.annualCount; ++annual)
        annuals += ReadAnnual(buffer, layout, annual).cleared() ? 0 : 1;
    return Format(Says::Usage, steps, layout.stepCount, annuals, layout.annualCount);
}
