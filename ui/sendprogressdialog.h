#pragma once

#include <QDialog>

#include <atomic>

class QLabel;
class QProgressBar;
class QTimer;

// The small window a send shows while the frame goes out: the device and "byte n of 123". It
// reads how far the send has come from the thread that runs it, and closes itself when the
// send has ended. It cannot be closed before: the clock would be left half programmed.
class SendProgressDialog : public QDialog {
    Q_OBJECT

public:
    SendProgressDialog(const QString& device, const std::atomic<int>& bytesSent,
                       const std::atomic<bool>& ended, QWidget* parent = nullptr);

    void reject() override; // Escape and the close box do nothing while the send runs

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showProgress();

    const std::atomic<int>& bytesSent;
    const std::atomic<bool>& ended;
    QLabel* bytesLabel = nullptr;
    QProgressBar* bar = nullptr;
    QTimer* poll = nullptr;
};
