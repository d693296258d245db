#pragma once

#include "comm/portlock.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// The serial devices a clock can hang on, as the system shows them.
struct SerialDevice {
    enum class Kind { UsbById, Usb, BuiltIn };

    std::string path;        // what the user chooses: a /dev/serial/by-id link, else the device
    std::string device;      // the device node it leads to (/dev/ttyUSB0)
    std::string description; // maker, model and serial number of a USB adapter; else empty
    Kind kind = Kind::BuiltIn;

    bool usb() const { return kind != Kind::BuiltIn; }
    friend bool operator==(const SerialDevice&, const SerialDevice&) = default;
};

// Where the system shows its devices; tests lay out a tree of their own.
struct DeviceFolders {
    std::string dev = "/dev";
    std::string sysTty = "/sys/class/tty";
};

// USB adapters by their stable /dev/serial/by-id name (it survives replugging), then the
// /dev/ttyUSB* and /dev/ttyACM* that no such name leads to, then the built-in /dev/ttyS* that
// have a UART behind them. The UART is looked up in sysfs (the type TIOCGSERIAL reports) rather
// than by opening the device: opening raises a port's DTR and RTS, which a clock on it would see.
std::vector<SerialDevice> ListSerialDevices(const DeviceFolders& folders = {});

// The device is there: a node, or a link that leads to one (an unplugged adapter's by-id name
// leads nowhere, or is gone).
bool DevicePresent(const std::string& device);

// One device a line, for "halvex ports": the name to choose (--port), a tab, the node it is
// now, and for an adapter a tab and its maker and model.
void WriteDeviceList(std::ostream& out, const std::vector<SerialDevice>& devices);

// What the system can tell about a device a send could not use, for the message.
struct PortFacts {
    std::string group;        // the group that owns the device node; empty if unknown
    bool userInGroup = false; // this process has that group's rights (or is root)
    std::vector<SerialDevice> usbAdapters;
    std::optional<LockFileHolder> lockFile; // a lock file of a running program that holds it
    // Why the device chosen for a COM number cannot be known (the file that keeps the choices
    // cannot be read), in words naming that file; empty when it can.
    std::string settingsProblem;
};

PortFacts GatherPortFacts(const std::string& device, const DeviceFolders& folders = {});
