#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// "About Halvex": the product, its makers and its version. It reads nothing of the clock
// program; OK or the close box closes it.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    QLabel* programIcon = nullptr;
    QFrame* panel = nullptr;
    QLabel* productName = nullptr;
    QLabel* maker = nullptr;
    QLabel* copyright = nullptr;
    QLabel* author = nullptr;
    QLabel* version = nullptr;
    QLabel* versionDate = nullptr;
    QPushButton* okButton = nullptr;
};
