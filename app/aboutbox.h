#pragma once

#include <QDialog>

// "About Halvex": a placeholder holding its caption until its window is built.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);
};
