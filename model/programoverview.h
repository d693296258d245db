#pragma once

#include "model/programchecks.h"
#include "model/setsbuffer.h"
#include "model/weekchart.h"

#include <string>
#include <vector>

// Everything the week chart window shows of the program, made afresh after each change.
struct ProgramOverview {
    WeekChart chart;
    std::vector<Finding> findings;
    std::vector<std::string> stepLines; // as the step list shows them, for the switches
    std::vector<std::string> skipPlans; // "Skip 03/15/13 – 04/01/13"
    std::string status;                 // the status settings in words
    std::string usage;                  // "steps used 9 of 16, annuals used 2 of 10"
};

// Reads the program only; the step lines are made from a copy of it.
ProgramOverview OverviewOf(const SetsBuffer& buffer, const BufferLayout& layout,
                           const std::vector<DayByteRewrite>& rewrites);
