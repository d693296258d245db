#include "ui/transfererrordialog.h"

#include "ui/windowstyle.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int MessagePointSize = 11;

} // namespace

TransferErrorDialog::TransferErrorDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("transferErrorDialog"));
    setWindowTitle(QStringLiteral("Serial Transfer Error !"));
    ApplyDialogStyle(*this, {206, 120});

    auto* message = new QLabel(QStringLiteral("Serial Transfer Error !"), this);
    message->setObjectName(QStringLiteral("messageLabel"));
    message->setFont(HeadingFont(MessagePointSize));
    message->setAlignment(Qt::AlignCenter);
    message->setGeometry(4, 24, 198, 24);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(65, 80, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
