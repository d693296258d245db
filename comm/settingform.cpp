#include "comm/settingform.h"

#include "app/windowstyle.h"

TSettingForm::TSettingForm(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SettingForm"));
    setWindowTitle(QStringLiteral("COM Settings"));
    ApplyDialogStyle(*this, {158, 246});
}
