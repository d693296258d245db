#include "model/eraseverif.h"

#include "app/windowstyle.h"

TEraseVerif::TEraseVerif(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("EraseVerif"));
    setWindowTitle(QStringLiteral("Erase ?"));
    ApplyDialogStyle(*this, {200, 140});
}
