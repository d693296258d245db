#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "File Error": the one message every failing file command shows. It names neither the file nor
// what failed; OK (the default button) closes it.
class TFileErrorBox : public QDialog {
    Q_OBJECT

public:
    explicit TFileErrorBox(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
};
