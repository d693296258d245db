#include "ui/printbackend.h"

void DrawReport(PrintJob& job, const QFont& font, const std::vector<ReportLine>& lines)
{
    job.begin();
    try {
        QFont lineFont = font;
        for (const ReportLine& line : lines) {
            lineFont.setPointSize(line.pointSize);
            job.drawText(line.x, line.y, lineFont, QString::fromStdString(line.text));
        }
        job.end();
    } catch (...) {
        job.abort();
        throw;
    }
}
