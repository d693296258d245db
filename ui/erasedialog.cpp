#include "ui/erasedialog.h"

#include "ui/windowstyle.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

EraseDialog::EraseDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("eraseDialog"));
    setWindowTitle(tr("Erase ?"));
    ApplyDialogStyle(*this, {200, 132});

    auto* heading = new QLabel(tr("Erase All?"), this);
    heading->setObjectName(QStringLiteral("heading"));
    heading->setFont(HeadingFont(12));
    heading->setGeometry(16, 8, 168, 24);

    stepsCheck = new QCheckBox(tr("Steps"), this);
    stepsCheck->setObjectName(QStringLiteral("stepsCheck"));
    stepsCheck->setGeometry(32, 40, 70, 20);
    // Said under the window's question, "Erase All?", which a screen reader does not repeat.
    stepsCheck->setAccessibleName(tr("Erase all steps"));
    annualsCheck = new QCheckBox(tr("Annuals"), this);
    annualsCheck->setObjectName(QStringLiteral("annualsCheck"));
    annualsCheck->setGeometry(32, 64, 70, 20);
    annualsCheck->setAccessibleName(tr("Erase all annuals"));

    auto* erase = new QPushButton(tr("Erase"), this);
    erase->setObjectName(QStringLiteral("eraseButton"));
    erase->setGeometry(16, 96, 80, 26);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(104, 96, 80, 26);
    cancel->setDefault(true); // Enter never erases by accident

    connect(erase, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void EraseDialog::reset()
{
    stepsCheck->setChecked(false);
    annualsCheck->setChecked(false);
}

EraseChoice EraseDialog::choice() const
{
    return {stepsCheck->isChecked(), annualsCheck->isChecked()};
}
