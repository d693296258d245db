#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// "About Halvex": the product, its makers and its version. It reads nothing of the clock
// program; OK or the close box closes it.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* ProgramIcon = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Maker = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Author = nullptr;
    QLabel* Version = nullptr;
    QLabel* VersionDate = nullptr;
    QPushButton* OKButton = nullptr;
};
