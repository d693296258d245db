#pragma once

#include "model/annualeditor.h"
#include "model/setsbuffer.h"

#include <cstdint>
#include <string>
#include <vector>

// The printed report: one page holding the status settings, every step that is set and every
// annual that is set, each line one run of text at a position in printer dots.

// a * b / c in 64 bits, rounded to the nearest integer with halves away from zero, as the
// printer metrics are computed. c must not be 0.
std::int64_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c);

// The report's vertical steps in printer dots, from the printer's vertical resolution alone.
struct ReportMetrics {
    int typeHeight = 0;     // the height of 12-point type
    int lineStep = 0;       // (6 * typeHeight - 1) div 5
    int headingAdvance = 0; // (8 * lineStep) div 5

    friend bool operator==(const ReportMetrics&, const ReportMetrics&) = default;
};

ReportMetrics ReportMetricsFor(int verticalDpi);

constexpr int HeadingPointSize = 14;
constexpr int LinePointSize = 12;
constexpr int HeadingX = 0;
constexpr int LineX = 10; // printer dots, whatever the resolution

// One line of the report: its top-left corner in printer dots from the top-left corner of the
// printable area, its type size in points and its text.
struct ReportLine {
    int x = 0;
    int y = 0;
    int pointSize = 0;
    std::string text;

    friend bool operator==(const ReportLine&, const ReportLine&) = default;
};

// The status line from the selections of the four status controls (-1 where none is chosen).
std::string StatusLine(const StatusControls& status);

// The whole report, in drawing order. Every step of the layout passes through the step list's
// day-code normalisation, cleared or not; nothing else in the buffer changes.
std::vector<ReportLine> LayoutReport(SetsBuffer& buffer, const BufferLayout& layout,
                                     const StatusControls& status, int verticalDpi);
