#include "comm/serialport.h"

#include "comm/portlock.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <ctime>

#include <fcntl.h>
#include <linux/serial.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
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

constexpr std::int64_t NsPerMs = 1000000;

std::int64_t MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000 * NsPerMs + now.tv_nsec;
}

// The poll's pauses: none longer than MaxPause, so an answer that comes sooner than the last
// one is still read a fraction of a millisecond late; around the expected answer, FinePause.
constexpr std::int64_t MaxPauseNs = 750000;
constexpr std::int64_t FinePauseNs = 50000;
constexpr std::int64_t LeadNs = 50000;
// A thread's timers and sleeps end up to 50 us late by default (its timer slack): 5 % of a
// 1 ms answer. While it owns the port, the sending thread asks for 1 us.
constexpr int SendingTimerSlackNs = 1000;

// How a wait on the line ends, and how long a lost wake-up can cost. TIOCMIWAIT has no time
// limit, and only a signal handler that runs in the waiting thread ends it early. So each wait
// arms a timer of that thread's own (SIGEV_THREAD_ID) to send it LineWakeSignal when the wait
// must end or WakeSliceMs from now, whichever comes first, and every WakeSliceMs after that:
// the handler does nothing, and as it is installed without SA_RESTART the ioctl returns EINTR.
// The caller then reads the count, the time and any request to stop, and waits again. The
// repeat covers what a single signal cannot: a signal that comes just before the ioctl begins,
// a CTS change the ioctl missed because it came between the count and the ioctl, and a request
// to stop set by another thread or by a signal handled in another thread (SIGTERM lands in any
// thread). Each costs at most WakeSliceMs. The timer is disarmed as soon as the ioctl returns,
// so no other call of the thread is ever interrupted.
constexpr std::uint32_t WakeSliceMs = 5;

int LineWakeSignal()
{
    return SIGRTMIN + 5;
}

extern "C" void OnLineWake(int) {}

bool InstallLineWakeHandler()
{
    static const bool installed = [] {
        struct sigaction action {};
        action.sa_handler = OnLineWake;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0; // no SA_RESTART: the handler must end the wait
        return ::sigaction(LineWakeSignal(), &action, nullptr) == 0;
    }();
    return installed;
}

// A timer that signals the calling thread; the thread that opens the port waits on it.
bool MakeWakeTimer(timer_t& timer)
{
    if (!InstallLineWakeHandler())
        return false;
    sigset_t wake;
    sigemptyset(&wake);
    sigaddset(&wake, LineWakeSignal());
    pthread_sigmask(SIG_UNBLOCK, &wake, nullptr);
    sigevent event{};
    event.sigev_notify = SIGEV_THREAD_ID;
    event.sigev_signo = LineWakeSignal();
    event._sigev_un._tid = ::gettid();
    return ::timer_create(CLOCK_MONOTONIC, &event, &timer) == 0;
}

void ArmWakeTimer(timer_t timer, std::uint32_t firstMs, std::uint32_t everyMs)
{
    itimerspec when{};
    when.it_value.tv_sec = firstMs / 1000;
    when.it_value.tv_nsec = long(firstMs % 1000) * NsPerMs;
    when.it_interval.tv_nsec = long(everyMs) * NsPerMs;
    ::timer_settime(timer, 0, &when, nullptr);
}

// A driver without the waits (a pseudo-terminal, some USB adapters) refuses them with one of
// these.
bool Unsupported(int error)
{
    return error == EINVAL || error == ENOTTY;
}

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

void PollSchedule::edge(std::int64_t nowNs, bool dtrOn, bool cts)
{
    edgeNs = nowNs;
    lastMissNs = 0;
    rising = dtrOn;
    ctsAtEdge = cts;
    answered = false;
}

// The answer came after the last read that missed it and before this one, which itself may
// have come late: the next aim lies between.
void PollSchedule::read(std::int64_t nowNs, bool cts)
{
    if (answered)
        return;
    const std::int64_t since = nowNs - edgeNs;
    if (cts == ctsAtEdge) {
        lastMissNs = since;
        return;
    }
    answered = true;
    aimNs[rising ? 1 : 0] = std::max(lastMissNs, since - 2 * LeadNs);
}

std::int64_t PollSchedule::pauseNs(std::int64_t nowNs) const
{
    const std::int64_t since = nowNs - edgeNs;
    const std::int64_t aim = aimNs[rising ? 1 : 0];
    if (!answered && since < aim) {
        // Whole pauses that end at the aim: the last read before it comes just in time.
        const std::int64_t left = (aim - since) % MaxPauseNs;
        return left > 0 ? left : MaxPauseNs;
    }
    // Past the aim the clock is late, and later reads may come further apart.
    return std::clamp((since - aim) / 4, FinePauseNs, MaxPauseNs);
}

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
    levelCounted = false;
    serial_icounter_struct counts{};
    lineWait = ::ioctl(fd, TIOCGICOUNT, &counts) == 0;
    if (lineWait)
        hasWakeTimer = MakeWakeTimer(wakeTimer);
    lineWait = lineWait && hasWakeTimer;
    timerSlackNs = ::prctl(PR_GET_TIMERSLACK);
    ::prctl(PR_SET_TIMERSLACK, SendingTimerSlackNs);
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
    schedule.edge(MonotonicNs(), true, lastCts);
    return changeLine(TIOCMBIS, TIOCM_DTR);
}

bool SerialModemLinePort::clearDtr()
{
    schedule.edge(MonotonicNs(), false, lastCts);
    return changeLine(TIOCMBIC, TIOCM_DTR);
}

// The number of CTS changes the driver has counted, when it counts them: no message to a USB
// adapter, unlike reading the level.
std::optional<int> SerialModemLinePort::ctsChanges()
{
    if (!lineWait)
        return std::nullopt;
    serial_icounter_struct counts{};
    if (::ioctl(fd, TIOCGICOUNT, &counts) == 0)
        return counts.cts;
    if (Unsupported(errno))
        stopWaitingOnTheLine();
    else
        noteFailure();
    return std::nullopt;
}

// The count is taken before the level is read, so a change after the read always shows in it.
// While the count stands still, so does the level: it is read again only now and then, and a
// level that moved while the count stood still shows a driver that does not count CTS. The
// port then polls.
bool SerialModemLinePort::ctsIsOn()
{
    if (fd < 0)
        return lastCts;
    constexpr std::int64_t RecheckNs = 100 * NsPerMs;
    const std::int64_t now = MonotonicNs();
    const std::optional<int> changes = ctsChanges();
    const bool sameCount = changes && levelCounted && *changes == ctsChangesAtRead;
    if (sameCount && now - readNs < RecheckNs)
        return lastCts;
    int status = 0;
    if (::ioctl(fd, TIOCMGET, &status) != 0) {
        noteFailure();
        levelCounted = false;
        return lastCts;
    }
    const bool cts = (status & TIOCM_CTS) != 0;
    if (sameCount && cts != lastCts)
        stopWaitingOnTheLine();
    lastCts = cts;
    levelCounted = changes && lineWait;
    ctsChangesAtRead = changes.value_or(0);
    readNs = now;
    schedule.read(now, cts);
    return lastCts;
}

void SerialModemLinePort::awaitCtsChange(std::uint32_t maxMs)
{
    if (fd < 0 || maxMs == 0)
        return;
    if (lineWait)
        waitOnTheLine(maxMs);
    else
        pause(maxMs);
}

// Sleeps in TIOCMIWAIT until CTS changes, the wait is due to end, or the next wake-up.
void SerialModemLinePort::waitOnTheLine(std::uint32_t maxMs)
{
    ArmWakeTimer(wakeTimer, std::min(maxMs, WakeSliceMs), WakeSliceMs);
    const int waited = ::ioctl(fd, TIOCMIWAIT, TIOCM_CTS);
    const int error = errno;
    ArmWakeTimer(wakeTimer, 0, 0);
    if (waited == 0 || error == EINTR)
        return;
    if (Unsupported(error)) {
        stopWaitingOnTheLine();
    } else {
        errno = error;
        noteFailure();
    }
    pause(maxMs); // never read a failing device in a tight loop
}

void SerialModemLinePort::pause(std::uint32_t maxMs)
{
    const std::int64_t ns = std::min(schedule.pauseNs(MonotonicNs()), maxMs * NsPerMs);
    const timespec length{time_t(ns / (1000 * NsPerMs)), long(ns % (1000 * NsPerMs))};
    // A signal ends the pause early; the caller reads the line and looks at the time again.
    ::clock_nanosleep(CLOCK_MONOTONIC, 0, &length, nullptr);
}

void SerialModemLinePort::stopWaitingOnTheLine()
{
    lineWait = false;
    levelCounted = false;
}

bool SerialModemLinePort::close()
{
    if (fd < 0)
        return false;
    if (hasWakeTimer)
        ::timer_delete(wakeTimer);
    hasWakeTimer = false;
    lineWait = false;
    if (timerSlackNs > 0)
        ::prctl(PR_SET_TIMERSLACK, timerSlackNs);
    ::ioctl(fd, TIOCNXCL); // the exclusive mode this program set when it took the port
    const int closing = fd;
    fd = -1;
    return ::close(closing) == 0;
}

std::uint32_t SerialModemLinePort::tickMs()
{
    return tick();
}
