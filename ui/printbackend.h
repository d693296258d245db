#pragma once

#include "print/report.h"

#include <QFont>
#include <QString>

#include <memory>
#include <vector>

class QWidget;

// One print job of one page on the printer the user chose. Each operation that fails throws
// std::runtime_error with a text for the user.
class PrintJob {
public:
    virtual ~PrintJob() = default;

    // The printer's vertical resolution in dots per inch: the report's layout depends on it.
    virtual int verticalDpi() const = 0;

    // Opens the job and its page.
    virtual void begin() = 0;
    // Draws one line with its top-left corner at (x, y) in printer dots, in font at its point
    // size.
    virtual void drawText(int x, int y, const QFont& font, const QString& text) = 0;
    // Ends the page and the job, which then goes to the printer.
    virtual void end() = 0;
    // Throws the begun job away; never fails.
    virtual void abort() noexcept = 0;
};

// The printers of the desktop.
class PrintBackend {
public:
    virtual ~PrintBackend() = default;

    // Asks the user, modally, to choose a printer. Returns the job to draw on, or nothing when
    // the user cancelled.
    virtual std::unique_ptr<PrintJob> choosePrinter(QWidget* parent) = 0;
};

// Prints the report's lines in font (its face; each line sets its own size). A job that fails
// after it began is aborted rather than ended: a report cut short is worth nothing on paper, and
// the error then tells the user that nothing was printed.
void DrawReport(PrintJob& job, const QFont& font, const std::vector<ReportLine>& lines);
