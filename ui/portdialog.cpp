#include "ui/portdialog.h"

#include "comm/settingsblock.h"
#include "ui/radiogroup.h"
#include "ui/windowstyle.h"

#include <QFrame>
#include <QPushButton>

PortDialog::PortDialog(SetsBuffer& buffer, QWidget* parent)
    : QDialog(parent)
    , buffer(buffer)
{
    setObjectName(QStringLiteral("portDialog"));
    setWindowTitle(QStringLiteral("COM Settings"));
    ApplyDialogStyle(*this, {158, 246});

    auto* bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bevel->setGeometry(8, 8, 142, 230);

    QStringList ports;
    for (int i = 1; i <= 8; ++i)
        ports << QStringLiteral("COM%1").arg(i);
    portGroup = new RadioGroup(QStringLiteral("ComPort"), ports, this);
    portGroup->setObjectName(QStringLiteral("portGroup"));
    portGroup->setGeometry(32, 16, 94, 172);

    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(41, 200, 75, 25);
    okButton->setDefault(true);

    connect(portGroup, &RadioGroup::clicked, this,
            [this](int index) { ChoosePort(this->buffer, index); });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    // Showing the port read from the settings file is no pick: byte 200 keeps its upper bits
    // until the user chooses.
    portGroup->setItemIndex(PortIndex(buffer));
}
