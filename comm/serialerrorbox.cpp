#include "comm/serialerrorbox.h"

#include "app/windowstyle.h"

TSerialErrorBox::TSerialErrorBox(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SerialErrorBox"));
    setWindowTitle(QStringLiteral("Serial Transfer Error !"));
    ApplyDialogStyle(*this, {206, 120});
}
