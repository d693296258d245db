#pragma once

#include "model/setsbuffer.h"

#include <QDialog>

class DialogGui;
class RadioGroup;

// "Configure Sets Buffer": switches the buffer between its two layouts. A choice takes effect
// when it is clicked (there is no cancel); layoutChanged() lets the main window show it at once,
// behind this window.
class TConfig1 : public QDialog {
    Q_OBJECT

public:
    TConfig1(SetsBuffer& buffer, DialogGui& gui, QWidget* parent = nullptr);

signals:
    void layoutChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void Sets_AnnualsClick();

    SetsBuffer& buffer;
    DialogGui& gui;
    RadioGroup* Sets_Annuals;
};
