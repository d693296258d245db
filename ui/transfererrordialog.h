#pragma once

#include <QDialog>

// "Serial Transfer Error !": shown modally when the port cannot be opened or the clock misses
// a handshake. It says no more than that; the user checks the cable and sends again.
class TransferErrorDialog : public QDialog {
    Q_OBJECT

public:
    explicit TransferErrorDialog(QWidget* parent = nullptr);
};
