#include "files/fileerrorbox.h"

#include "app/icons.h"
#include "app/windowstyle.h"

#include <QLabel>
#include <QPushButton>

TFileErrorBox::TFileErrorBox(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FileErrorBox"));
    setWindowTitle(QStringLiteral("File Error"));
    ApplyDialogStyle(*this, {177, 116});

    Label1 = new QLabel(QStringLiteral("File I/O Error !"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(HeadingFont(12));
    // 123 by 20 pixels, wider where the face the desktop gives runs wider: never cut the text.
    Label1->setGeometry(32, 16, 123, 20);

    BitBtn1 = new QPushButton(OkButtonIcon(), QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(40, 56, 105, 33);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}
