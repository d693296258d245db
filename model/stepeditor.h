#pragma once

#include "model/setsbuffer.h"

// What the step editor's controls show for one step, as item indices (NoItem for none).
struct StepControls {
    int step = 0;
    int relay = 0; // 0 = On, 1 = Off
    int days = 0;
    int amPm = 0; // 0 = Am, 1 = Pm
    int hour = 0;
    int minute = 0;

    friend bool operator==(const StepControls&, const StepControls&) = default;
};

// Shows a step. A cleared Am step (byte 0 exactly 0) gets the day byte 0x3E first, so a step
// being set up starts on weekdays with the relay Off; a cleared Pm step is left alone.
StepControls LoadStepControls(SetsBuffer& buffer, int step);

// The step editor's writers. Each changes only its own bits of step `step`; the day code is the
// one exception: it is stored as the bare mask, so choosing a day turns the relay Off.
void SetStepDayCode(SetsBuffer& buffer, int step, int dayCodeIndex);
void SetStepHour(SetsBuffer& buffer, int step, int hour); // 0 clears; keeps Pm and the minute
void SetStepMinute(SetsBuffer& buffer, int step, int minute);
void SetStepPm(SetsBuffer& buffer, int step, bool pm);
void SetStepRelayOn(SetsBuffer& buffer, int step, bool on);
