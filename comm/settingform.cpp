#include "comm/settingform.h"

#include "app/radiogroup.h"
#include "app/windowstyle.h"
#include "comm/settingsblock.h"

#include <QFrame>
#include <QPushButton>

TSettingForm::TSettingForm(SetsBuffer& buffer, QWidget* parent)
    : QDialog(parent)
    , buffer(buffer)
{
    setObjectName(QStringLiteral("SettingForm"));
    setWindowTitle(QStringLiteral("COM Settings"));
    ApplyDialogStyle(*this, {158, 246});

    auto* bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bevel->setGeometry(8, 8, 142, 230);

    QStringList ports;
    for (int i = 1; i <= 8; ++i)
        ports << QStringLiteral("COM%1").arg(i);
    ComPort1 = new RadioGroup(QStringLiteral("ComPort"), ports, this);
    ComPort1->setObjectName(QStringLiteral("ComPort1"));
    ComPort1->setGeometry(32, 16, 94, 172);

    OK1 = new QPushButton(QStringLiteral("OK"), this);
    OK1->setObjectName(QStringLiteral("OK1"));
    OK1->setGeometry(41, 200, 75, 25);
    OK1->setDefault(true);

    connect(ComPort1, &RadioGroup::clicked, this, &TSettingForm::ComPort1Click);
    connect(OK1, &QPushButton::clicked, this, &QDialog::accept);
    FormCreate();
}

// Showing the port read from the settings file is no pick: byte 200 keeps its upper bits until
// the user chooses.
void TSettingForm::FormCreate()
{
    ComPort1->setItemIndex(PortIndex(buffer));
}

void TSettingForm::ComPort1Click(int index)
{
    ChoosePort(buffer, index);
}
