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
    std::vector<std::string> skipPlans; // "Annual 05: skip 24 Dec 2013 – 2 Jan 2014"
    std::string status;                 // the status settings in words
    std::string usage;                  // "steps used 9 of 16, annuals used 2 of 10"
};

// Reads the program only; the step lines are made from a copy of it.
ProgramOverview OverviewOf(const SetsBuffer& buffer, const BufferLayout& layout,
                           const std::vector<DayByteRewrite>& rewrites);

// The lines below the chart. A set annual's dates are written out, "24 Dec 2013"; a date that
// does not exist keeps the numbers of its list line and is marked "(no such date)".
std::vector<std::string> SkipPlanLines(const SetsBuffer& buffer, const BufferLayout& layout);
std::string StatusInWords(const SetsBuffer& buffer);
std::string UsageLine(const SetsBuffer& buffer, const BufferLayout& layout);
