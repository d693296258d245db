#pragma once

#include "comm/modemlineport.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The device each COM number stands for, as the user chose it (kept per user by the windows).
// An empty string means no choice: the built-in port of that number. Nothing means the choice
// cannot be known (the file that keeps it cannot be read): then the number stands for no device.
using PortChoice = std::function<std::optional<std::string>(int comNumber)>;

// The number n of a port name "COMn", or nothing for a name that is not COM followed by a
// number from 1.
std::optional<int> ComNumber(const std::string& portName);

// The built-in serial port of a COM number: COMn is /dev/ttyS<n-1>.
std::string BuiltInDevice(int comNumber);

// The device behind a port name: the environment variable HALVEX_COMn when it is set (scripts
// and tests), else the device the user chose for COMn, else the built-in port. A name that
// starts with "/" is a device path and stands for itself. Nothing for any other name, and for a
// COM number whose choice cannot be known.
std::optional<std::string> SerialDevicePath(const std::string& portName,
                                            const PortChoice& choice = {});

// Milliseconds of CLOCK_MONOTONIC, kept to the low 32 bits.
std::uint32_t MonotonicTickMs();

// The modem lines of a serial device, driven with one ioctl per call. Opening takes the device
// for this program alone (TIOCEXCL and an flock) unless another program holds it, and nothing
// of its termios settings is read or changed: the clock needs only the lines.
class SerialModemLinePort final : public ModemLinePort {
public:
    using Tick = std::function<std::uint32_t()>;

    explicit SerialModemLinePort(Tick tick = MonotonicTickMs, PortChoice choice = {});
    ~SerialModemLinePort() override;
    SerialModemLinePort(const SerialModemLinePort&) = delete;
    SerialModemLinePort& operator=(const SerialModemLinePort&) = delete;

    PortOpenResult open(const std::string& name) override;
    bool setRts() override;
    bool clearRts() override;
    bool setDtr() override;
    bool clearDtr() override;
    bool ctsIsOn() override;
    bool gone() const override { return lost; }
    bool close() override;
    std::uint32_t tickMs() override;

private:
    PortOpenResult take(int opened, const std::string& device);
    bool changeLine(unsigned long request, int line);
    void noteFailure();

    Tick tick;
    PortChoice choice;
    int fd = -1;
    bool lastCts = false; // the last level read; it stands when a status read fails
    bool lost = false;
};
