#pragma once

#include "ui/printbackend.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

// A job on a QPrinter, drawn with a QPainter in the printer's own dots.
class QtPrintJob : public PrintJob {
    Q_DECLARE_TR_FUNCTIONS(QtPrintJob)

public:
    explicit QtPrintJob(QPrinter& printer);
    ~QtPrintJob() override;

    int verticalDpi() const override;
    void begin() override;
    void drawText(int x, int y, const QFont& font, const QString& text) override;
    void end() override;
    void abort() noexcept override;

private:
    void throwIfPrinterFailed(const QString& why) const;

    QPrinter& printer;
    QPainter painter;
};

// The application's one printer, chosen with the desktop's print dialog. It keeps the choice
// from one print to the next. It is made on the first print, not at start-up: making a QPrinter
// loads the desktop's printing system and asks it for its printers, which would slow every
// start of the program for a command most runs never use.
class QtPrintBackend : public PrintBackend {
public:
    std::unique_ptr<PrintJob> choosePrinter(QWidget* parent) override;

private:
    std::unique_ptr<QPrinter> printer;
};

class QPrintDialog;

// Leaves in the print dialog only the choices the one-page report honours.
void OfferOnlyWhatTheReportHonours(QPrintDialog& dialog);
