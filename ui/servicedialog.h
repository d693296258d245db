#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// "Service": whom to call about the program or a clock. It reads nothing of the clock program;
// OK or the close box closes it.
class ServiceDialog : public QDialog {
    Q_OBJECT

public:
    explicit ServiceDialog(QWidget* parent = nullptr);

    QFrame* panel = nullptr;
    QPushButton* okButton = nullptr;
};
