#pragma once

#include <QDialog>

// "COM Settings": a placeholder holding its caption until its window is built.
class TSettingForm : public QDialog {
    Q_OBJECT

public:
    explicit TSettingForm(QWidget* parent = nullptr);
};
