#include "model/eraseverif.h"

#include "app/windowstyle.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

TEraseVerif::TEraseVerif(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("EraseVerif"));
    setWindowTitle(QStringLiteral("Erase ?"));
    ApplyDialogStyle(*this, {200, 132});

    auto* heading = new QLabel(QStringLiteral("Erase All?"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setFont(HeadingFont(12));
    heading->setGeometry(16, 8, 168, 24);

    StepsCheck = new QCheckBox(QStringLiteral("Steps"), this);
    StepsCheck->setObjectName(QStringLiteral("StepsCheck"));
    StepsCheck->setGeometry(32, 40, 70, 20);
    AnnualCheck = new QCheckBox(QStringLiteral("Annuals"), this);
    AnnualCheck->setObjectName(QStringLiteral("AnnualCheck"));
    AnnualCheck->setGeometry(32, 64, 70, 20);

    auto* erase = new QPushButton(QStringLiteral("Erase"), this);
    erase->setObjectName(QStringLiteral("EraseBtn"));
    erase->setGeometry(16, 96, 80, 26);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    cancel->setGeometry(104, 96, 80, 26);
    cancel->setDefault(true); // Enter never erases by accident

    connect(erase, &QPushButton::clicked, this, &TEraseVerif::EraseBtnClick);
    connect(cancel, &QPushButton::clicked, this, &TEraseVerif::CancelClick);
}

void TEraseVerif::reset()
{
    StepsCheck->setChecked(false);
    AnnualCheck->setChecked(false);
}

EraseChoice TEraseVerif::choice() const
{
    return {StepsCheck->isChecked(), AnnualCheck->isChecked()};
}

void TEraseVerif::EraseBtnClick()
{
    accept();
}

void TEraseVerif::CancelClick()
{
    reject();
}
