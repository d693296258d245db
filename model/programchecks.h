#pragma once

#include "model/setsbuffer.h"
#include "model/weekchart.h"

#include <string>
#include <vector>

// A step's day byte that was no day code when the step list showed it, and what the list wrote
// in its place (0x01, "Sun" with the relay Off).
struct DayByteRewrite {
    int step = 0;
    Byte before = 0;
    Byte after = 0;

    friend bool operator==(const DayByteRewrite&, const DayByteRewrite&) = default;
};

// The day bytes of set steps that showing the program rewrote between two images of it.
std::vector<DayByteRewrite> DayBytesRewritten(const SetsBuffer& before, const SetsBuffer& after,
                                              const BufferLayout& layout);

// Earlier rewrites that still stand in the image: the step is still in the layout and still
// holds what the list wrote. A day code chosen since ends the note.
std::vector<DayByteRewrite> RewritesStillShown(const std::vector<DayByteRewrite>& rewrites,
                                               const SetsBuffer& buffer,
                                               const BufferLayout& layout);

// One thing the checks found, about one line of the step list or of the annual list.
struct Finding {
    enum class Line { Step, Annual };
    Line line = Line::Step;
    int index = 0;    // the step or annual number
    std::string text; // begins with the line's name, "Step 03: " or "Annual 01: "

    friend bool operator==(const Finding&, const Finding&) = default;
};

// Looks the program over and changes nothing. Steps first, then annuals, each in number order,
// one finding a line and no line twice:
// - two set steps switching to different states at the same day and minute (a clash);
// - a step without which not one minute of the week's relay state would differ, named with the
//   steps (or the status "Relay" setting) that make it so; and, where that hangs on which step
//   of a clash the clock takes, the steps it depends on. A step in a clash is never said to
//   change nothing: should it win, it does;
// - a set step whose hour or minute byte is no packed BCD, or no hour or minute of the clock;
// - a set step's day byte that is no day code: in the image (the list will rewrite it) or among
//   `rewrites` (the list has rewritten it);
// - a set annual with a byte that is no packed BCD, a date that does not exist (month 0 or
//   above 12, day 0 or past the month's last day, a blank day or start year) or that ends
//   before it starts.
std::vector<Finding> CheckProgram(const SetsBuffer& buffer, const BufferLayout& layout,
                                  const WeekChart& chart,
                                  const std::vector<DayByteRewrite>& rewrites = {});

// A date of a skip plan as its three bytes hold it. Years 00..99 are 2000..2099: February has
// 29 days when the year divides by 4.
struct SkipDate {
    Byte month = 0;
    Byte day = 0;
    Byte year = 0;
};
SkipDate StartDateOf(const AnnualRecord& record);
SkipDate EndDateOf(const AnnualRecord& record);
// A day of the calendar: every byte packed BCD, the month 1..12, the day within the month.
bool DateExists(const SkipDate& date);
// Both dates exist and the end comes before the start.
bool EndsBeforeItStarts(const AnnualRecord& record);
