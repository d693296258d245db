#include "model/programoverview.h"

#include "model/listlines.h"

ProgramOverview OverviewOf(const SetsBuffer& buffer, const BufferLayout& layout,
                           const std::vector<DayByteRewrite>& rewrites)
{
    ProgramOverview overview;
    overview.chart = ComputeWeekChart(buffer, layout);
    overview.findings = CheckProgram(buffer, layout, overview.chart, rewrites);
    SetsBuffer copy = buffer; // formatting a line may rewrite a day byte
    overview.stepLines = StepListLines(copy, layout);
    overview.skipPlans = SkipPlanLines(buffer, layout);
    overview.status = StatusInWords(buffer);
    overview.usage = UsageLine(buffer, layout);
    return overview;
}
