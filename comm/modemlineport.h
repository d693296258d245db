#pragma once

#include <cstdint>
#include <string>

// The serial port as the clock link uses it: three modem-control lines and a millisecond tick.
// RTS carries the data bit, DTR strobes, and the clock acknowledges each strobe on CTS. No data
// byte is ever written or read, and the port's speed and framing are left as they are.
class ModemLinePort {
public:
    virtual ~ModemLinePort() = default;

    // Opens the port ("COM1".."COM8") for this program alone. False when it does not exist,
    // cannot be opened, or another program holds it.
    [[nodiscard]] virtual bool open(const std::string& name) = 0;

    // The line changes report whether the port took them. The transfer does not look: a line
    // that did not change shows as a clock that does not answer, which the time-out reports.
    virtual bool setRts() = 0;
    virtual bool clearRts() = 0;
    virtual bool setDtr() = 0;
    virtual bool clearDtr() = 0;

    // The CTS level. When the status cannot be read, the last level read stands.
    virtual bool ctsIsOn() = 0;

    virtual bool close() = 0;

    // Milliseconds since an arbitrary origin; wraps from 2^32 - 1 to 0.
    virtual std::uint32_t tickMs() = 0;
};
