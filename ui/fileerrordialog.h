#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "File Error": the one message every failing file command shows. It names neither the file nor
// what failed; OK (the default button) closes it.
class FileErrorDialog : public QDialog {
    Q_OBJECT

public:
    explicit FileErrorDialog(QWidget* parent = nullptr);

    QLabel* messageLabel = nullptr;
    QPushButton* okButton = nullptr;
};
