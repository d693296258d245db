#pragma once

#include "ui/printbackend.h"

#include <memory>

// The desktop's printers as the printer's module offers them, the module loaded on the first
// print: Qt's printing library then costs a start of the window nothing. A module that cannot
// be loaded fails the print with the loader's reason.
class PrinterOnFirstUse : public PrintBackend {
public:
    std::unique_ptr<PrintJob> choosePrinter(QWidget* parent) override;

private:
    std::unique_ptr<PrintBackend> printers;
};
