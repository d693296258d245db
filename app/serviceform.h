#pragma once

#include <QDialog>

// "Service": a placeholder holding its caption until its window is built.
class TServiceForm : public QDialog {
    Q_OBJECT

public:
    explicit TServiceForm(QWidget* parent = nullptr);
};
