#include "model/stepeditor.h"

#include "model/controlitems.h"

namespace {
constexpr int HourItemCount = 13;
constexpr int MinuteItemCount = 60;
} // namespace

StepControls LoadStepControls(SetsBuffer& buffer, int step)
{
    if (buffer[StepOffset(step)] == 0)
        buffer[StepOffset(step) + 2] = ClearedStepDayCode;

    const StepRecord record = ReadStep(buffer, step);
    StepControls shown;
    shown.StepBox = step;
    shown.ONOFFBox = record.relayOn() ? 0 : 1;
    // A mask that is no day code shows as "Wdy" without being corrected here.
    shown.DaysBox = DayCodeIndex(record.dayMask()).value_or(0);
    shown.AMPMBox = record.pm() ? 1 : 0;
    shown.HoursBox = ItemFor(record.hour(), HourItemCount);
    shown.MinutesBox = ItemFor(record.minutes(), MinuteItemCount);
    return shown;
}
