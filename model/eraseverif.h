#pragma once

#include <QDialog>

// "Erase ?": a placeholder holding its caption until its window is built.
class TEraseVerif : public QDialog {
    Q_OBJECT

public:
    explicit TEraseVerif(QWidget* parent = nullptr);
};
