#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "File Error": the one message every failing file command shows. Below its heading it says
// which file failed and why; OK (the default button) closes it.
class FileErrorDialog : public QDialog {
    Q_OBJECT

public:
    explicit FileErrorDialog(QWidget* parent = nullptr);

    // The reason for the failure at hand; the window grows to hold it. Empty: the heading alone.
    void setReason(const QString& reason);

    QLabel* messageLabel = nullptr;
    QLabel* reasonLabel = nullptr;
    QPushButton* okButton = nullptr;
};
