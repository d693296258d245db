#include "comm/serialport.h"

#include "comm/portlock.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <ctime>

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

std::optional<int> ComNumber(const std::string& portName)
{
    const std::string prefix = "COM";
    if (portName.size() <= prefix.size() || portName.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    const char* digits = portName.data() + prefix.size();
    const char* end = portName.data() + portName.size();
    int number = 0;
    const auto [stop, error] = std::from_chars(digits, end, number);
    if (error != std::errc() || stop != end || number < 1)
        return std::nullopt;
    return number;
}

std::string BuiltInDevice(int comNumber)
{
    return "/dev/ttyS" + std::to_string(comNumber - 1);
}

std::optional<std::string> SerialDevicePath(const std::string& portName, const PortChoice& choice)
{
    if (!portName.empty() && portName.front() == '/')
        return portName; // a device named by its path, as the command line allows
    const std::optional<int> number = ComNumber(portName);
    if (!number)
        return std::nullopt;
    const std::string variable = "HALVEX_" + portName;
    if (const char* device = std::getenv(variable.c_str()); device && *device)
        return std::string(device);
    if (choice) {
        const std::optional<std::string> chosen = choice(*number);
        if (!chosen)
            return std::nullopt;
        if (!chosen->empty())
            return chosen;
    }
    return BuiltInDevice(*number);
}

std::uint32_t MonotonicTickMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                    static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

namespace {

PortProblem ProblemOfOpen(int error)
{
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return PortProblem::NoSuchDevice;
    case EIO: // a /dev/ttyS* whose UART is missing can refuse the open itself
        return PortProblem::NoHardware;
    case EACCES:
    case EPERM:
        return PortProblem::PermissionDenied;
    case EBUSY: // another program's exclusive mode, for a user who is not root
        return PortProblem::Busy;
    default:
        return PortProblem::OtherError;
    }
}

// A built-in port without its chip still opens, but the kernel knows it has none. Devices that
// are no UART at all (a USB modem, a pseudo-terminal) do not answer the question: they pass.
bool HasNoUart(int fd)
{
    serial_struct serial{};
    return ::ioctl(fd, TIOCGSERIAL, &serial) == 0 && serial.type == PORT_UNKNOWN;
}

} // namespace

SerialModemLinePort::SerialModemLinePort(Tick tick, PortChoice choice)
    : tick(std::move(tick))
    , choice(std::move(choice))
{
}

SerialModemLinePort::~SerialModemLinePort()
{
    if (fd >= 0)
        close();
}

PortOpenResult SerialModemLinePort::open(const std::string& name)
{
    if (fd >= 0)
        return {PortProblem::Busy, {}, 0};
    const std::optional<std::string> path = SerialDevicePath(name, choice);
    if (!path)
        return {PortProblem::UnknownPort, {}, 0};
    // O_NONBLOCK: do not wait for a carrier the clock never raises.
    const int opened = ::open(path->c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (opened < 0)
        return {ProblemOfOpen(errno), *path, errno};
    const PortOpenResult taken = take(opened, *path);
    if (!taken)
        ::close(opened); // also drops an flock this attempt took; nothing else was changed
    return taken;
}

// Another program's hold is looked at before anything is set: its exclusive mode (which does
// not stop root, so it is read rather than relied on), its flock, and its lock file. This
// program's exclusive mode is set only once the port is known to be free, so closing clears only
// what this program set.
PortOpenResult SerialModemLinePort::take(int opened, const std::string& device)
{
    int exclusive = 0;
    if (::ioctl(opened, TIOCGEXCL, &exclusive) == 0 && exclusive != 0)
        return {PortProblem::Busy, device, EBUSY};
    if (::flock(opened, LOCK_EX | LOCK_NB) != 0)
        return {PortProblem::Busy, device, errno};
    if (HeldByLockFile(device))
        return {PortProblem::Busy, device, EBUSY};
    if (HasNoUart(opened))
        return {PortProblem::NoHardware, device, EIO};
    if (::ioctl(opened, TIOCEXCL) != 0)
        return {PortProblem::OtherError, device, errno};
    fd = opened;
    lastCts = false;
    lost = false;
    return {PortProblem::None, device, 0};
}

// A USB adapter that is pulled out answers every later call with one of these.
void SerialModemLinePort::noteFailure()
{
    if (errno == EIO || errno == ENXIO || errno == ENODEV)
        lost = true;
}

bool SerialModemLinePort::changeLine(unsigned long request, int line)
{
    if (fd < 0)
        return false;
    if (::ioctl(fd, request, &line) == 0)
        return true;
    noteFailure();
    return false;
}

bool SerialModemLinePort::setRts()
{
    return changeLine(TIOCMBIS, TIOCM_RTS);
}

bool SerialModemLinePort::clearRts()
{
    return changeLine(TIOCMBIC, TIOCM_RTS);
}

bool SerialModemLinePort::setDtr()
{
    return changeLine(TIOCMBIS, TIOCM_DTR);
}

bool SerialModemLinePort::clearDtr()
{
    return changeLine(TIOCMBIC, TIOCM_DTR);
}

bool SerialModemLinePort::ctsIsOn()
{
    int status = 0;
    if (fd >= 0) {
        if (::ioctl(fd, TIOCMGET, &status) == 0)
            lastCts = (status & TIOCM_CTS) != 0;
        else
            noteFailure();
    }
    return lastCts;
}

bool SerialModemLinePort::close()
{
    if (fd < 0)
        return false;
    ::ioctl(fd, TIOCNXCL); // the exclusive mode this program set when it took the port
    const int closing = fd;
    fd = -1;
    return ::close(closing) == 0;
}

std::uint32_t SerialModemLinePort::tickMs()
{
    return tick();
}
