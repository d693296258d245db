#include "ui/fileerrordialog.h"

#include "ui/icons.h"
#include "ui/windowstyle.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr QSize PlainSize{177, 116}; // the window without a reason
constexpr QPoint PlainOkPlace{40, 56};
constexpr int ReasonWidth = 320;
constexpr int ReasonTop = 48;

} // namespace

FileErrorDialog::FileErrorDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fileErrorDialog"));
    setWindowTitle(tr("File Error"));
    ApplyDialogStyle(*this, PlainSize);

    messageLabel = new QLabel(tr("File I/O Error !"), this);
    messageLabel->setObjectName(QStringLiteral("messageLabel"));
    messageLabel->setFont(HeadingFont(12));
    // 123 by 20 pixels, wider where the face the desktop gives runs wider: never cut the text.
    messageLabel->setGeometry(32, 16, 123, 20);

    reasonLabel = new QLabel(this);
    reasonLabel->setObjectName(QStringLiteral("reasonLabel"));
    reasonLabel->setWordWrap(true);
    reasonLabel->setTextFormat(Qt::PlainText); // a file name is shown as it is, never as markup
    reasonLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    reasonLabel->hide();

    okButton = new QPushButton(OkButtonIcon(), tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(QRect(PlainOkPlace, QSize(105, 33)));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void FileErrorDialog::setReason(const QString& reason)
{
    if (reason.isEmpty()) {
        reasonLabel->hide();
        okButton->move(PlainOkPlace);
        setFixedSize(PlainSize);
        return;
    }
    ShowReasonBelow(*this, *reasonLabel, reason, *okButton, ReasonTop, ReasonWidth);
}
