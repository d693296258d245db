#pragma once

#include <QDialog>

// "File Error": a placeholder holding its caption until its window is built.
class TFileErrorBox : public QDialog {
    Q_OBJECT

public:
    explicit TFileErrorBox(QWidget* parent = nullptr);
};
