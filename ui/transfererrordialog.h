#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "Serial Transfer Error !": shown modally when the port cannot be opened or the clock misses a
// handshake. Below its heading it says what went wrong and what to do about it.
class TransferErrorDialog : public QDialog {
    Q_OBJECT

public:
    explicit TransferErrorDialog(QWidget* parent = nullptr);

    // The reason for the failure at hand; the window grows to hold it.
    void setReason(const QString& reason);

private:
    QLabel* headingLabel = nullptr;
    QLabel* reasonLabel = nullptr;
    QPushButton* okButton = nullptr;
};
