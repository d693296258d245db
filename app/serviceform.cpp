#include "app/serviceform.h"

#include "app/windowstyle.h"

TServiceForm::TServiceForm(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ServiceForm"));
    setWindowTitle(QStringLiteral("Service"));
    ApplyDialogStyle(*this, {261, 211});
}
