#include "files/fileerrorbox.h"

#include "app/windowstyle.h"

TFileErrorBox::TFileErrorBox(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FileErrorBox"));
    setWindowTitle(QStringLiteral("File Error"));
    ApplyDialogStyle(*this, {177, 116});
}
