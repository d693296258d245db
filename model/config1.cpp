#include "model/config1.h"

#include "app/windowstyle.h"

TConfig1::TConfig1(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Config1"));
    setWindowTitle(QStringLiteral("Configure Sets Buffer"));
    ApplyDialogStyle(*this, {260, 200});
}
