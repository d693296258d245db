#pragma once

#include "comm/serialdevices.h"
#include "model/setsbuffer.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class RadioGroup;
class SerialPorts;

// "COM Settings": the user picks the port the clock hangs on, COM1..COM8, and for that port the
// device it stands for: a USB adapter, a built-in port, or a path typed in. A pick is in force
// at once (the port in byte 200 of the buffer, the device in the user's settings), however the
// window is then closed. The window lives for the whole run and so keeps showing the last pick.
// While it is open, its list follows the adapters: one plugged in appears, one pulled out stays
// in the list marked as unplugged.
// Below, it names a settings file that cannot be used (halvex.dat, or the user's halvex.conf
// that keeps the devices) and says what that means; the window grows to hold the words.
class PortDialog : public QDialog {
    Q_OBJECT

public:
    PortDialog(SetsBuffer& buffer, SerialPorts& ports, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    int comNumber() const;
    void listDevices();
    void followDevices();
    void showDevice();
    QString reachesWords(const QString& device, bool fromVariable) const;
    void chooseDevice(const QString& device);
    void showWarnings();

    SetsBuffer& buffer;
    SerialPorts& ports;
    RadioGroup* portGroup = nullptr;
    QComboBox* deviceCombo = nullptr;
    QLabel* reachesLabel = nullptr;
    QPushButton* builtInButton = nullptr;
    QPushButton* okButton = nullptr;
    std::vector<SerialDevice> seen; // listed since the window was shown
    QLabel* warningLabel = nullptr;
};
