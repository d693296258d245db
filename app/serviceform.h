#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// "Service": whom to call about the program or a clock. It reads nothing of the clock program;
// OK or the close box closes it.
class TServiceForm : public QDialog {
    Q_OBJECT

public:
    explicit TServiceForm(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QPushButton* OKButton = nullptr;
};
