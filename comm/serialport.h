#pragma once

#include "comm/modemlineport.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include <ctime>

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

// When the driver cannot sleep until CTS changes, the port reads the line between pauses. A
// clock answers each DTR edge after about the same time, so after the first wait the pauses
// aim just before its answer to the last edge of the same direction, and stay short around
// it: an answer is read a fraction of a millisecond after it comes, with a few reads a wait.
class PollSchedule {
public:
    void edge(std::int64_t nowNs, bool dtrOn, bool cts);
    void read(std::int64_t nowNs, bool cts);
    std::int64_t pauseNs(std::int64_t nowNs) const;

private:
    std::int64_t edgeNs = 0;
    std::int64_t lastMissNs = 0; // after the edge, the last read that found no answer
    bool rising = false;
    bool ctsAtEdge = false;
    bool answered = true;
    std::int64_t aimNs[2] = {0, 0}; // after a fall, after a rise: where the short pauses begin
};

// The modem lines of a serial device, driven with one ioctl per call. Opening takes the device
// for this program alone (TIOCEXCL and an flock) unless another program holds it, and nothing
// of its termios settings is read or changed: the clock needs only the lines. The thread that
// opens the port is the one that waits on it: the timer that ends its waits signals that thread.
// A process that uses the port keeps the signal SIGRTMIN + 5 for it.
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
    void awaitCtsChange(std::uint32_t maxMs) override;
    bool gone() const override { return lost; }
    bool close() override;
    std::uint32_t tickMs() override;

private:
    PortOpenResult take(int opened, const std::string& device);
    bool changeLine(unsigned long request, int line);
    std::optional<int> ctsChanges();
    void waitOnTheLine(std::uint32_t maxMs);
    void pause(std::uint32_t maxMs);
    void noteFailure();
    void stopWaitingOnTheLine();

    Tick tick;
    PortChoice choice;
    int fd = -1;
    bool lastCts = false; // the last level read; it stands when a status read fails
    bool lost = false;

    // Waiting on the line. The count of CTS changes (TIOCGICOUNT) taken before the level was
    // read tells whether that level still stands, without a message to a USB adapter; the
    // timer wakes the wait, which has no time limit of its own.
    bool lineWait = false;
    bool levelCounted = false; // lastCts was read after ctsChangesAtRead was counted
    int ctsChangesAtRead = 0;
    std::int64_t readNs = 0; // when the level was last read from the device
    bool hasWakeTimer = false;
    timer_t wakeTimer{};
    int timerSlackNs = -1; // the opening thread's own, given back on closing

    PollSchedule schedule;
};
