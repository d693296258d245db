#include "ui/fileerrordialog.h"

#include "ui/icons.h"
#include "ui/windowstyle.h"

#include <QLabel>
#include <QPushButton>

FileErrorDialog::FileErrorDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fileErrorDialog"));
    setWindowTitle(QStringLiteral("File Error"));
    ApplyDialogStyle(*this, {177, 116});

    messageLabel = new QLabel(QStringLiteral("File I/O Error !"), this);
    messageLabel->setObjectName(QStringLiteral("messageLabel"));
    messageLabel->setFont(HeadingFont(12));
    // 123 by 20 pixels, wider where the face the desktop gives runs wider: never cut the text.
    messageLabel->setGeometry(32, 16, 123, 20);

    okButton = new QPushButton(OkButtonIcon(), QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(40, 56, 105, 33);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}
