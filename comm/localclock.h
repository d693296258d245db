#pragma once

// The computer's own date and time, with its time zone and daylight-saving rule applied. The
// clock frame is stamped from one reading; tests pass a clock that always reads the same.
struct LocalDateTime {
    int year = 2000;
    int month = 1;     // 1..12
    int dayOfWeek = 0; // 0 = Sunday .. 6 = Saturday
    int day = 1;       // 1..31
    int hour = 0;      // 0..23
    int minute = 0;
    int second = 0;
};

class LocalClock {
public:
    virtual ~LocalClock() = default;
    virtual LocalDateTime now() = 0;
};

// The system's clock in the local time zone.
class SystemLocalClock final : public LocalClock {
public:
    LocalDateTime now() override;
};
