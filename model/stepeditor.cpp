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
    shown.step = step;
    shown.relay = record.relayOn() ? 0 : 1;
    // A mask that is no day code shows as "Wdy" without being corrected here.
    shown.days = DayCodeIndex(record.dayMask()).value_or(0);
    shown.amPm = record.pm() ? 1 : 0;
    shown.hour = ItemFor(record.hour(), HourItemCount);
    shown.minute = ItemFor(record.minutes(), MinuteItemCount);
    return shown;
}

void SetStepDayCode(SetsBuffer& buffer, int step, int dayCodeIndex)
{
    buffer[StepOffset(step) + 2] = DayCodeTable.at(static_cast<std::size_t>(dayCodeIndex)).mask;
}

void SetStepHour(SetsBuffer& buffer, int step, int hour)
{
    Byte& time = buffer[StepOffset(step)];
    time = static_cast<Byte>((time & PmBit) | BinaryToBcd(hour));
}

void SetStepMinute(SetsBuffer& buffer, int step, int minute)
{
    buffer[StepOffset(step) + 1] = BinaryToBcd(minute);
}

void SetStepPm(SetsBuffer& buffer, int step, bool pm)
{
    Byte& time = buffer[StepOffset(step)];
    time = static_cast<Byte>((time & HourMask) | (pm ? PmBit : 0));
}

void SetStepRelayOn(SetsBuffer& buffer, int step, bool on)
{
    Byte& day = buffer[StepOffset(step) + 2];
    day = static_cast<Byte>((day & DayMaskBits) | (on ? StepRelayBit : 0));
}
