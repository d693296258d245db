#pragma once

#include <cstdint>
#include <string>

// Why a port could not be opened. The words a person reads are made from it elsewhere, together
// with what the system can tell about the device (comm/portdiagnosis.h).
enum class PortProblem {
    None,
    UnknownPort,      // the name is no COM port
    NoSuchDevice,     // the device file does not exist
    NoHardware,       // the device exists but has no serial port behind it (a bare /dev/ttyS*)
    PermissionDenied, // the user may not open it
    Busy,             // another program holds it (its lock or its exclusive mode)
    OtherError,       // anything else the system reported; errorNumber says what
};

struct PortOpenResult {
    PortProblem problem = PortProblem::None;
    std::string device;  // the device the port name stood for, when there was one
    int errorNumber = 0; // errno of the failing call, 0 when none

    explicit operator bool() const { return problem == PortProblem::None; }
};

// The serial port as the clock link uses it: three modem-control lines and a millisecond tick.
// RTS carries the data bit, DTR strobes, and the clock acknowledges each strobe on CTS. No data
// byte is ever written or read, and the port's speed and framing are left as they are.
class ModemLinePort {
public:
    virtual ~ModemLinePort() = default;

    // Opens the port ("COM1".."COM8") for this program alone, or says why it could not.
    [[nodiscard]] virtual PortOpenResult open(const std::string& name) = 0;

    // The line changes report whether the port took them. The transfer does not look: a line
    // that did not change shows as a clock that does not answer, which the time-out reports.
    virtual bool setRts() = 0;
    virtual bool clearRts() = 0;
    virtual bool setDtr() = 0;
    virtual bool clearDtr() = 0;

    // The CTS level. When the status cannot be read, the last level read stands.
    virtual bool ctsIsOn() = 0;

    // Sleeps until CTS may have changed since the last ctsIsOn(), for at most maxMs
    // milliseconds. It may return sooner without any change (a signal, a periodic wake-up), so
    // the caller reads the line again, looks at its own deadline and at any request to stop.
    virtual void awaitCtsChange(std::uint32_t maxMs) = 0;

    // True once the device has gone away since it was opened (an unplugged USB adapter): its
    // line calls and status reads then fail for good.
    virtual bool gone() const { return false; }

    virtual bool close() = 0;

    // Milliseconds since an arbitrary origin; wraps from 2^32 - 1 to 0.
    virtual std::uint32_t tickMs() = 0;
};
