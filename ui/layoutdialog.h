#pragma once

#include "model/setsbuffer.h"

#include <QDialog>

class DialogGui;
class RadioGroup;

// "Configure Sets Buffer": switches the buffer between its two layouts. A choice takes effect
// when it is clicked (there is no cancel): layoutChosen() hands it to the main window, which
// writes it and shows the program at once, behind this window.
class LayoutDialog : public QDialog {
    Q_OBJECT

public:
    LayoutDialog(const SetsBuffer& buffer, DialogGui& gui, QWidget* parent = nullptr);

signals:
    void layoutChosen(int item); // 0 = 16 steps and 10 annuals, 1 = 30 steps and 3 annuals

protected:
    void showEvent(QShowEvent* event) override;

private:
    const SetsBuffer& buffer;
    DialogGui& gui;
    RadioGroup* layoutGroup;
};
