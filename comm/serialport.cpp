#include "comm/serialport.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <ctime>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

std::optional<std::string> SerialDevicePath(const std::string& portName)
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
    const std::string variable = "HALVEX_" + portName;
    if (const char* device = std::getenv(variable.c_str()); device && *device)
        return std::string(device);
    return "/dev/ttyS" + std::to_string(number - 1);
}

std::uint32_t MonotonicTickMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                    static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

SerialModemLinePort::SerialModemLinePort(Tick tick)
    : tick(std::move(tick))
{
}

SerialModemLinePort::~SerialModemLinePort()
{
    if (fd >= 0)
        close();
}

bool SerialModemLinePort::open(const std::string& name)
{
    if (fd >= 0)
        return false;
    const std::optional<std::string> path = SerialDevicePath(name);
    if (!path)
        return false;
    // O_NONBLOCK: do not wait for a carrier the clock never raises.
    const int opened = ::open(path->c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (opened < 0)
        return false;
    // The lock comes first: a program that holds the port keeps its exclusive mode, which a
    // failed attempt here must neither set nor clear. TIOCEXCL alone would not do, since it
    // does not stop a privileged opener.
    if (::flock(opened, LOCK_EX | LOCK_NB) != 0 || ::ioctl(opened, TIOCEXCL) != 0) {
        ::close(opened); // also drops the lock
        return false;
    }
    fd = opened;
    return true;
}

bool SerialModemLinePort::changeLine(unsigned long request, int line)
{
    return fd >= 0 && ::ioctl(fd, request, &line) == 0;
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
    if (fd >= 0 && ::ioctl(fd, TIOCMGET, &status) == 0)
        lastCts = (status & TIOCM_CTS) != 0;
    return lastCts;
}

bool SerialModemLinePort::close()
{
    if (fd < 0)
        return false;
    ::ioctl(fd, TIOCNXCL);
    const int closing = fd;
    fd = -1;
    return ::close(closing) == 0;
}

std::uint32_t SerialModemLinePort::tickMs()
{
    return tick();
}
