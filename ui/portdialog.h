#pragma once

#include "model/setsbuffer.h"

#include <QDialog>

class QPushButton;
class RadioGroup;

// "COM Settings": the user picks the port the clock hangs on. A pick is in force at once, in
// byte 200 of the buffer, however the window is then closed. The window lives for the whole
// run and so keeps showing the last pick.
class PortDialog : public QDialog {
    Q_OBJECT

public:
    explicit PortDialog(SetsBuffer& buffer, QWidget* parent = nullptr);

private:
    SetsBuffer& buffer;
    RadioGroup* portGroup = nullptr;
    QPushButton* okButton = nullptr;
};
