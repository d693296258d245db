#include "model/programoverview.h"

#include "model/listlines.h"
#include "model/translation.h"

#include <array>

namespace {

// What the lines below the chart say, all in one place, for a translator too.
namespace Says {
constexpr auto SkipPlan = TranslatableText("ProgramOverview", "Annual %02d: skip %s \u2013 %s");
constexpr auto EndsBeforeItStarts =
    TranslatableText("ProgramOverview", "Annual %02d: skip %s \u2013 %s (ends before it starts)");
constexpr auto Date = TranslatableText("ProgramOverview", "%d %s 20%02d");
constexpr std::array<TranslatableText, 12> Months{
    TranslatableText("ProgramOverview", "Jan"), TranslatableText("ProgramOverview", "Feb"),
    TranslatableText("ProgramOverview", "Mar"), TranslatableText("ProgramOverview", "Apr"),
    TranslatableText("ProgramOverview", "May"), TranslatableText("ProgramOverview", "Jun"),
    TranslatableText("ProgramOverview", "Jul"), TranslatableText("ProgramOverview", "Aug"),
    TranslatableText("ProgramOverview", "Sep"), TranslatableText("ProgramOverview", "Oct"),
    TranslatableText("ProgramOverview", "Nov"), TranslatableText("ProgramOverview", "Dec")};
constexpr auto NoSuchDate = TranslatableText("ProgramOverview", "%02d/%02d/%02d (no such date)");
constexpr auto Status =
    TranslatableText("ProgramOverview", "DST: %s, Relay: %s, EL Lamp: %s, Pulse: %s");
constexpr auto DstNeither = TranslatableText("ProgramOverview", "neither (byte 0x%02X)");
constexpr auto Yes = TranslatableText("ProgramOverview", "Yes");
constexpr auto No = TranslatableText("ProgramOverview", "No");
constexpr auto On = TranslatableText("ProgramOverview", "On");
constexpr auto Off = TranslatableText("ProgramOverview", "Off");
constexpr auto PulseOff = TranslatableText("ProgramOverview", "OFF");
constexpr auto Usage =
    TranslatableText("ProgramOverview", "steps used %d of %d, annuals used %d of %d");
} // namespace Says

template <typename... Args> std::string Format(const TranslatableText& text, Args... args)
{
    return FormatText(Translate(text).c_str(), args...);
}

std::string DateInWords(const SkipDate& date)
{
    const int month = BcdToBinary(date.month);
    const int day = BcdToBinary(date.day);
    const int year = BcdToBinary(date.year);
    if (!DateExists(date))
        return Format(Says::NoSuchDate, month, day, year);
    return Format(Says::Date, day, Translate(Says::Months[std::size_t(month - 1)]).c_str(), year);
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
        dst < 0 ? Format(Says::DstNeither, buffer[DstByte]) : Translate(dst ? Says::Yes : Says::No);
    const int pulse = BcdToBinary(buffer[PulseByte]);
    const std::string pulseWord = pulse == 0 ? Translate(Says::PulseOff) : std::to_string(pulse);
    const Byte flags = buffer[FlagsByte];
    const auto onOff = [](bool on) { return Translate(on ? Says::On : Says::Off); };
    return Format(Says::Status, dstWord.c_str(), onOff(flags & RelayBit).c_str(),
                  onOff(flags & ElLampBit).c_str(), pulseWord.c_str());
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
