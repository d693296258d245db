#pragma once

#include "model/setsbuffer.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The week as the clock runs it: every set step switches the relay to its On or Off at its time
// on each day of its day mask; the relay holds that state until the next switch, and the week
// wraps from Saturday's end to Sunday's start.
constexpr int DaysPerWeek = 7;
constexpr int MinutesPerDay = 24 * 60;
constexpr int MinutesPerWeek = DaysPerWeek * MinutesPerDay;

// Day numbers as the day mask has them: bit 0 is Sunday, bit 6 Saturday.
constexpr std::array<std::string_view, DaysPerWeek> WeekDayNames{"Sun", "Mon", "Tue", "Wed",
                                                                 "Thu", "Fri", "Sat"};

// A byte the clock reads as two decimal digits, each nibble 0..9 (0x45 is 45; 0x0A is none).
bool IsPackedBcd(Byte b);

// A set step the clock can run: an hour 1..12 and a minute 0..59, both packed BCD. A loaded file
// can bring other bytes; the chart leaves such a step out and the checks name it.
bool StepRuns(const StepRecord& record);

// The minute of the day a runnable step switches at, on the 12-hour clock: 12 Am is 00:xx,
// 1..11 Am are 01:xx..11:xx, 12 Pm is 12:xx (noon) and 1..11 Pm are 13:xx..23:xx.
int MinuteOfDay(const StepRecord& record);

// The days of a day mask, Sunday first. Bit 7 (the relay) is no day.
std::vector<int> DaysOfMask(Byte mask);

struct RelaySwitch {
    int step = 0;
    int day = 0;    // 0 = Sunday .. 6 = Saturday
    int minute = 0; // of the day
    bool on = false;

    int weekMinute() const { return day * MinutesPerDay + minute; }
    friend bool operator==(const RelaySwitch&, const RelaySwitch&) = default;
};

// The switches of one day at one minute, drawn as one mark. A clash is a minute at which steps
// switch to both states: which one the clock takes is not known.
struct SwitchMark {
    enum class Kind { On, Off, Clash };
    int day = 0;
    int minute = 0;
    Kind kind = Kind::On;
    std::vector<int> steps; // in number order

    int weekMinute() const { return day * MinutesPerDay + minute; }
    friend bool operator==(const SwitchMark&, const SwitchMark&) = default;
};

// A stretch of one day, from minute `from` up to but not including minute `to` (1440 is the
// day's end).
struct DaySpan {
    int from = 0;
    int to = 0;

    friend bool operator==(const DaySpan&, const DaySpan&) = default;
};

// A stretch whose state hangs on a clash: from the clash's minute up to the next switch.
struct UnsureSpan {
    int from = 0;
    int to = 0;
    int clash = 0; // the clash's index in WeekChart::marks

    friend bool operator==(const UnsureSpan&, const UnsureSpan&) = default;
};

struct WeekChart {
    // Every switch of the week, in the order the chart applies them: by time in the week, and
    // at one minute by step number, so of two steps at the same minute the higher-numbered one
    // decides the state. Which one wins on the clock itself is not known; the checks say so.
    std::vector<RelaySwitch> switches;
    // The switches grouped by day and minute, in time order.
    std::vector<SwitchMark> marks;
    // The On spans of each day, Sunday first, in time order and never touching each other.
    std::array<std::vector<DaySpan>, DaysPerWeek> on;
    // The spans of each day whose state depends on a clash, in time order.
    std::array<std::vector<UnsureSpan>, DaysPerWeek> unsure;
    // The state with no switch at all: the status "Relay" setting.
    bool statusRelayOn = false;
};

// The chart of the steps in the layout in force. With no switch in the whole week the relay
// never changes: the chart then shows the status "Relay" setting (flags byte bit 7), the state
// the clock is given with the program, all week long.
WeekChart ComputeWeekChart(const SetsBuffer& buffer, const BufferLayout& layout);

// "07:30 Pm": a minute of the day as a step's list line writes its time (0 is "12:00 Am").
std::string ClockTimeText(int minuteOfDay);
// A runnable step's time so.
std::string StepTimeText(const StepRecord& record);
