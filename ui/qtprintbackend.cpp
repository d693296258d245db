#include "ui/qtprintbackend.h"

#include <QPrintDialog>

#include <stdexcept>

QtPrintJob::QtPrintJob(QPrinter& printer)
    : printer(printer)
{
}

QtPrintJob::~QtPrintJob()
{
    // A job left open by an error nobody caught is not sent half drawn.
    if (painter.isActive())
        abort();
}

int QtPrintJob::verticalDpi() const
{
    // The resolution the painter maps point sizes with, so that positions and type agree.
    return printer.logicalDpiY();
}

void QtPrintJob::begin()
{
    const QString why = tr("The printer could not start the print job.");
    if (!painter.begin(&printer))
        throw std::runtime_error(why.toStdString());
    throwIfPrinterFailed(why);
    painter.setPen(Qt::black);
}

void QtPrintJob::drawText(int x, int y, const QFont& font, const QString& text)
{
    // Without shaping, Latin text keeps one glyph a letter: "Off" is not drawn with an "ff"
    // ligature, so the words copy out of a PDF as they were printed.
    QFont unshaped = font;
    unshaped.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    painter.setFont(unshaped);
    // The rectangle only anchors the text's top-left corner: nothing is clipped to it.
    const QRect anchor(x, y, printer.width(), printer.height());
    painter.drawText(anchor, Qt::AlignTop | Qt::AlignLeft | Qt::TextDontClip, text);
    throwIfPrinterFailed(tr("The printer could not print the report."));
}

void QtPrintJob::end()
{
    const QString why = tr("The printer could not finish the print job.");
    if (!painter.end())
        throw std::runtime_error(why.toStdString());
    throwIfPrinterFailed(why);
}

void QtPrintJob::abort() noexcept
{
    // Qt's PDF-based print engines (PDF files, and CUPS printers, which are fed a PDF) cannot
    // abort: they refuse, and the job then ends with the lines drawn so far. Where the engine can,
    // nothing reaches the printer.
    printer.abort();
    if (painter.isActive())
        painter.end();
}

void QtPrintJob::throwIfPrinterFailed(const QString& why) const
{
    if (printer.printerState() == QPrinter::Error)
        throw std::runtime_error(why.toStdString());
}

std::unique_ptr<PrintJob> QtPrintBackend::choosePrinter(QWidget* parent)
{
    if (!printer)
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), parent);
    OfferOnlyWhatTheReportHonours(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return std::make_unique<QtPrintJob>(*printer);
}

// The report is one page printed whole: page ranges, the current page, a selection and odd or
// even page sets would all print the same page, so the dialog does not offer them.
void OfferOnlyWhatTheReportHonours(QPrintDialog& dialog)
{
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
}
