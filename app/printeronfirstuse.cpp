#include "app/printeronfirstuse.h"

#include "app/windowmodule.h"
#include "model/translation.h"

#include <stdexcept>

std::unique_ptr<PrintJob> PrinterOnFirstUse::choosePrinter(QWidget* parent)
{
    if (!printers) {
        std::string why;
        const MakePrintBackendFunction make = LoadPrintBackendMaker(why);
        if (!make)
            throw std::runtime_error(
                FormatText(Translate("CommandLine", "the printer could not be loaded: %s").c_str(),
                           why.c_str()));
        printers.reset(make());
    }
    return printers->choosePrinter(parent);
}
