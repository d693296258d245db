#pragma once

#include "model/bufferconfig.h"

#include <QDialog>

class QCheckBox;

// "Erase ?": asks which tables to clear. It hands back the choice; the main window erases.
class EraseDialog : public QDialog {
    Q_OBJECT

public:
    explicit EraseDialog(QWidget* parent = nullptr);

    // Every showing starts with both boxes unchecked.
    void reset();
    // What "Erase" confirmed; meaningful once the window was accepted.
    EraseChoice choice() const;

private:
    QCheckBox* stepsCheck;
    QCheckBox* annualsCheck;
};
