#pragma once

#include "ui/printbackend.h"

#include <QFontInfo>
#include <QList>
#include <QString>

#include <memory>
#include <stdexcept>

// Answers the print dialog in tests and records what is drawn on the page. The dialog is
// confirmed unless told otherwise; a step of the job can be made to fail as a printer would.
class FakePrintBackend : public PrintBackend {
public:
    struct Drawn {
        int x;
        int y;
        QString family;
        int pointSize;
        QString text;
    };
    enum class Step { None, Begin, Draw, End };

    bool confirm = true;
    int dpi = 600;
    Step failingStep = Step::None;

    int dialogsShown = 0;
    QList<Drawn> drawn;
    QStringList events; // "begin", "end", "abort", in the order the job saw them

    std::unique_ptr<PrintJob> choosePrinter(QWidget*) override
    {
        ++dialogsShown;
        if (!confirm)
            return nullptr;
        return std::make_unique<Job>(*this);
    }

private:
    class Job : public PrintJob {
    public:
        explicit Job(FakePrintBackend& printer)
            : printer(printer)
        {
        }
        int verticalDpi() const override { return printer.dpi; }
        void begin() override
        {
            printer.events << QStringLiteral("begin");
            failAt(Step::Begin);
        }
        void drawText(int x, int y, const QFont& font, const QString& text) override
        {
            failAt(Step::Draw);
            printer.drawn << Drawn{x, y, font.family(), font.pointSize(), text};
        }
        void end() override
        {
            failAt(Step::End);
            printer.events << QStringLiteral("end");
        }
        void abort() noexcept override { printer.events << QStringLiteral("abort"); }

    private:
        void failAt(Step step) const
        {
            if (printer.failingStep == step)
                throw std::runtime_error("The printer is out of paper.");
        }
        FakePrintBackend& printer;
    };
};
