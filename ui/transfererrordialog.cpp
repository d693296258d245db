#include "ui/transfererrordialog.h"

#include "ui/windowstyle.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int MessagePointSize = 11;
constexpr QSize PlainSize{206, 120}; // the window without a reason
constexpr int ReasonWidth = 340;
constexpr int ReasonTop = 56;

} // namespace

TransferErrorDialog::TransferErrorDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("transferErrorDialog"));
    setWindowTitle(tr("Serial Transfer Error !"));
    ApplyDialogStyle(*this, PlainSize);

    headingLabel = new QLabel(tr("Serial Transfer Error !"), this);
    headingLabel->setObjectName(QStringLiteral("messageLabel"));
    headingLabel->setFont(HeadingFont(MessagePointSize));
    headingLabel->setAlignment(Qt::AlignCenter);
    headingLabel->setGeometry(4, 24, 198, 24);

    reasonLabel = new QLabel(this);
    reasonLabel->setObjectName(QStringLiteral("reasonLabel"));
    reasonLabel->setWordWrap(true);
    reasonLabel->setTextInteractionFlags(Qt::TextSelectableByMouse); // the command can be copied
    reasonLabel->hide();

    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(65, 80, 75, 25);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TransferErrorDialog::setReason(const QString& reason)
{
    if (reason.isEmpty()) {
        reasonLabel->hide();
        setFixedSize(PlainSize);
        headingLabel->setGeometry(4, 24, PlainSize.width() - 8, 24);
        okButton->move(65, 80);
        return;
    }
    ShowReasonBelow(*this, *reasonLabel, reason, *okButton, ReasonTop, ReasonWidth);
    headingLabel->setGeometry(4, 24, width() - 8, 24);
}
