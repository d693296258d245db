#include "model/listlines.h"

#include <cstdio>

namespace {

// printf-style formatting into a std::string. "%02d" is a minimum width: a value of 100 or
// more, which only a loaded file can bring, prints all its digits.
template <typename... Args> std::string Format(const char* format, Args... args)
{
    char text[96];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

} // namespace

void NormaliseDayCode(SetsBuffer& buffer, int step)
{
    if (!DayCodeIndex(ReadStep(buffer, step).dayMask()))
        buffer[StepOffset(step) + 2] = UnknownDayCodeReplacement;
}

std::string FormatStepLine(SetsBuffer& buffer, int step)
{
    NormaliseDayCode(buffer, step);
    const StepRecord record = ReadStep(buffer, step);
    if (record.hour() == 0)
        return Format("Step # %02d  --> C l e a r <--", step);

    const std::string day(
        DayCodeTable[static_cast<std::size_t>(*DayCodeIndex(record.dayMask()))].name);
    return Format("Step # %02d  %s  %02d:%02d %s  %s", step, day.c_str(), record.hour(),
                  record.minutes(), record.pm() ? "Pm" : "Am", record.relayOn() ? "On " : "Off");
}

std::string FormatAnnualLine(const SetsBuffer& buffer, const BufferLayout& layout, int annual)
{
    const AnnualRecord record = ReadAnnual(buffer, layout, annual);
    if (record.cleared())
        return Format("Annual %02d  --> C l e a r <--", annual);
    return Format("Annual %02d  Start: %02d/%02d/%02d  End: %02d/%02d/%02d", annual,
                  record.value(StartMonthField), record.value(StartDayField),
                  record.value(StartYearField), record.value(EndMonthField),
                  record.value(EndDayField), record.value(EndYearField));
}

std::vector<std::string> StepListLines(SetsBuffer& buffer, const BufferLayout& layout)
{
    std::vector<std::string> lines;
    for (int i = 0; i < layout.stepCount; ++i)
        lines.push_back(FormatStepLine(buffer, i));
    return lines;
}

std::vector<std::string> AnnualListLines(const SetsBuffer& buffer, const BufferLayout& layout)
{
    std::vector<std::string> lines;
    for (int j = 0; j < layout.annualCount; ++j)
        lines.push_back(FormatAnnualLine(buffer, layout, j));
    return lines;
}

std::vector<std::string> RecordNumbers(int count)
{
    std::vector<std::string> numbers;
    for (int i = 0; i < count; ++i)
        numbers.push_back(Format("%02d", i));
    return numbers;
}
