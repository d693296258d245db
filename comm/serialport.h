#pragma once

#include "comm/modemlineport.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The device behind a port name: "COMn" is /dev/ttyS<n-1>, unless the environment variable
// HALVEX_COMn names another device (a USB adapter such as /dev/ttyUSB0). Nothing for a name
// that is not COM followed by a number from 1.
std::optional<std::string> SerialDevicePath(const std::string& portName);

// Milliseconds of CLOCK_MONOTONIC, kept to the low 32 bits.
std::uint32_t MonotonicTickMs();

// The modem lines of a serial device, driven with one ioctl per call. Opening takes the device
// for this program alone (TIOCEXCL and an flock), and nothing of its termios settings is read or
// changed: the clock needs only the lines.
class SerialModemLinePort final : public ModemLinePort {
public:
    using Tick = std::function<std::uint32_t()>;

    explicit SerialModemLinePort(Tick tick = MonotonicTickMs);
    ~SerialModemLinePort() override;
    SerialModemLinePort(const SerialModemLinePort&) = delete;
    SerialModemLinePort& operator=(const SerialModemLinePort&) = delete;

    bool open(const std::string& name) override;
    bool setRts() override;
    bool clearRts() override;
    bool setDtr() override;
    bool clearDtr() override;
    bool ctsIsOn() override;
    bool close() override;
    std::uint32_t tickMs() override;

private:
    bool changeLine(unsigned long request, int line);

    Tick tick;
    int fd = -1;
    bool lastCts = false; // the last level read; it stands when a status read fails
};
