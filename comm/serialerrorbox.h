#pragma once

#include <QDialog>

// "Serial Transfer Error !": a placeholder holding its caption until its window is built.
class TSerialErrorBox : public QDialog {
    Q_OBJECT

public:
    explicit TSerialErrorBox(QWidget* parent = nullptr);
};
