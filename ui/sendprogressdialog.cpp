#include "ui/sendprogressdialog.h"

#include "comm/clockframe.h"
#include "ui/windowstyle.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace {

// Often enough to look smooth; the send itself never waits for the window.
constexpr int PollMs = 30;

} // namespace

SendProgressDialog::SendProgressDialog(const QString& device, const std::atomic<int>& bytesSent,
                                       const std::atomic<bool>& ended, QWidget* parent)
    : QDialog(parent)
    , bytesSent(bytesSent)
    , ended(ended)
{
    setObjectName(QStringLiteral("sendProgressDialog"));
    setWindowTitle(tr("Send to Clock"));
    ApplyDialogStyle(*this, {300, 104});

    auto* deviceLabel = new QLabel(tr("Sending to %1").arg(device), this);
    deviceLabel->setObjectName(QStringLiteral("deviceLabel"));
    deviceLabel->setGeometry(12, 12, 276, 16);
    bar = new QProgressBar(this);
    bar->setRange(0, ClockFrameSize);
    bar->setTextVisible(false);
    bar->setGeometry(12, 38, 276, 20);
    bytesLabel = new QLabel(this);
    bytesLabel->setObjectName(QStringLiteral("bytesLabel"));
    bytesLabel->setGeometry(12, 68, 276, 16);
    poll = new QTimer(this);
    poll->setInterval(PollMs);
    connect(poll, &QTimer::timeout, this, &SendProgressDialog::showProgress);
    showProgress();
}

void SendProgressDialog::reject()
{
    if (ended)
        QDialog::reject();
}

void SendProgressDialog::showEvent(QShowEvent* event)
{
    poll->start();
    QDialog::showEvent(event);
}

void SendProgressDialog::hideEvent(QHideEvent* event)
{
    poll->stop();
    QDialog::hideEvent(event);
}

void SendProgressDialog::showProgress()
{
    const int bytes = bytesSent.load();
    bar->setValue(bytes);
    bytesLabel->setText(tr("byte %1 of %2").arg(bytes).arg(ClockFrameSize));
    if (ended && isVisible())
        accept();
}
