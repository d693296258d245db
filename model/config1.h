#pragma once

#include <QDialog>

// "Configure Sets Buffer": a placeholder holding its caption until its window is built.
class TConfig1 : public QDialog {
    Q_OBJECT

public:
    explicit TConfig1(QWidget* parent = nullptr);
};
