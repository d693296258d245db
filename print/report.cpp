#include "print/report.h"

#include "model/listlines.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int PointsPerInch = 72;
constexpr int SectionGapLines = 2;

constexpr const char* StatusHeading = "               S t a t u s";
constexpr const char* StepsHeading = "P r o g r a m   S t e p s";
constexpr const char* AnnualsHeading = "          A n n u a l   S t e p s";

// Collects the lines top to bottom; Y only grows.
class ReportWriter {
public:
    explicit ReportWriter(const ReportMetrics& metrics)
        : metrics(metrics)
    {
    }

    void heading(const char* text)
    {
        lines.push_back({HeadingX, y, HeadingPointSize, text});
        y += metrics.headingAdvance;
    }
    void line(std::string text)
    {
        lines.push_back({LineX, y, LinePointSize, std::move(text)});
        y += metrics.lineStep;
    }
    // The status line takes the section gap as its only advance; a step line, and the step
    // section after its last line, each take theirs.
    void lineThenGap(std::string text)
    {
        lines.push_back({LineX, y, LinePointSize, std::move(text)});
        sectionGap();
    }
    void sectionGap() { y += SectionGapLines * metrics.lineStep; }

    std::vector<ReportLine> lines;

private:
    ReportMetrics metrics;
    int y = 0;
};

} // namespace

std::int64_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c)
{
    const std::int64_t product = a * b;
    const std::int64_t quotient = product / c;
    const std::int64_t remainder = product % c;
    // Round half away from zero: a remainder of at least half the divisor moves the quotient
    // one further from zero, in the direction of the exact result.
    if (2 * std::llabs(remainder) >= std::llabs(c))
        return (product < 0) != (c < 0) ? quotient - 1 : quotient + 1;
    return quotient;
}

ReportMetrics ReportMetricsFor(int verticalDpi)
{
    ReportMetrics m;
    m.typeHeight = static_cast<int>(std::llabs(MulDiv(LinePointSize, verticalDpi, PointsPerInch)));
    m.lineStep = (6 * m.typeHeight - 1) / 5;
    m.headingAdvance = (8 * m.lineStep) / 5;
    return m;
}

std::string StatusLine(const StatusControls& status)
{
    // No selection counts as a selection other than the first item.
    const char* dst = status.dst == 0 ? "No " : "Yes";
    const char* relay = status.relay == 0 ? "Off" : "On ";
    const char* elLamp = status.elLamp == 0 ? "Off" : "On ";
    char text[96];
    std::snprintf(text, sizeof text, "DST = %s,     Relay = %s,     EL Lamp = %s,     Pulse = %d",
                  dst, relay, elLamp, status.pulse);
    return text;
}

std::vector<ReportLine> LayoutReport(SetsBuffer& buffer, const BufferLayout& layout,
                                     const StatusControls& status, int verticalDpi)
{
    ReportWriter report(ReportMetricsFor(verticalDpi));
    report.heading(StatusHeading);
    report.lineThenGap(StatusLine(status));

    report.heading(StepsHeading);
    for (int i = 0; i < layout.stepCount; ++i) {
        // Formatting normalises the day byte first, also of a step that is then left out.
        std::string text = FormatStepLine(buffer, i);
        if (!ReadStep(buffer, i).cleared())
            report.line(std::move(text));
    }
    report.sectionGap();

    report.heading(AnnualsHeading);
    for (int j = 0; j < layout.annualCount; ++j) {
        if (!ReadAnnual(buffer, layout, j).cleared())
            report.line(FormatAnnualLine(buffer, layout, j));
    }
    return std::move(report.lines);
}
