#include "app/aboutbox.h"

#include "app/windowstyle.h"

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Halvex"));
    ApplyDialogStyle(*this, {314, 176});
}
