#pragma once

#include "comm/localclock.h"

// A computer clock that always reads the same time, and counts how often it was read.
class FixedLocalClock : public LocalClock {
public:
    LocalDateTime now() override
    {
        ++reads;
        return time;
    }

    LocalDateTime time{2026, 12, 2, 8, 0, 15, 42}; // Tuesday 8 December 2026, 00:15:42
    int reads = 0;
};
