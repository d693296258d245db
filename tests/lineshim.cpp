// The line shim: see lineshim.h.
#include "lineshim.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>
#include <string>
#include <vector>

#include <dlfcn.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/ioctl.h>

namespace {

std::int64_t SystemNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

constexpr std::int64_t None = -1;

struct Shim {
    std::mutex mutex;
    bool playing = false;
    LineShimClock clock;
    std::int64_t testNs = 0;

    bool rts = false, dtr = false, cts = false;
    int ctsChanges = 0;
    std::int64_t answerDue = None;     // when CTS follows DTR next
    std::int64_t delayFromTick = None; // test time: the answer counts from the next tick read
    bool answerOnRead = false;         // ... or it comes just after the next status read
    std::vector<bool> rtsAtRises;
    int waiting = 0;
    LineShimCounts counts;

    std::int64_t now() const { return clock.testTime ? testNs : SystemNs(); }

    // CTS follows DTR once its time has come.
    void settle()
    {
        if (answerDue == None || now() < answerDue)
            return;
        answer();
    }

    void answer()
    {
        answerDue = None;
        delayFromTick = None;
        answerOnRead = false;
        if (cts == dtr)
            return;
        cts = dtr;
        ++ctsChanges;
        counts.lastAnswerNs = SystemNs();
    }

    void afterRead()
    {
        if (answerOnRead)
            answer();
    }

    void changeLines(int bits, bool on)
    {
        counts.releaseNs = SystemNs();
        if (bits & TIOCM_RTS)
            rts = on;
        if (!(bits & TIOCM_DTR) || dtr == on)
            return;
        dtr = on;
        std::int64_t delay = clock.answerNs;
        if (on) {
            if (rtsAtRises.empty()) {
                counts.firstRiseNs = SystemNs();
                if (clock.firstAnswerNs != -2)
                    delay = clock.firstAnswerNs;
                answerOnRead = clock.answerAfterRead;
            }
            rtsAtRises.push_back(rts);
        }
        answerDue = delayFromTick = None;
        if (delay == 0 && !answerOnRead)
            answer(); // before the program can look
        else if (delay > 0 && !answerOnRead && clock.testTime)
            delayFromTick = delay; // the program starts its wait at the next tick it reads
        else if (delay > 0 && !answerOnRead)
            answerDue = now() + delay;
    }

    void count()
    {
        counts.dtrRises = long(rtsAtRises.size());
        counts.bytes = 0;
        for (std::size_t bit = 1; bit + 8 <= rtsAtRises.size() && counts.bytes < 123; bit += 8) {
            unsigned value = 0;
            for (std::size_t k = 0; k < 8; ++k)
                value = value << 1 | (rtsAtRises[bit + k] ? 1u : 0u);
            counts.received[counts.bytes++] = static_cast<unsigned char>(value);
        }
    }
};

Shim& TheShim()
{
    static Shim shim;
    return shim;
}

using IoctlFunction = int (*)(int, unsigned long, ...);

IoctlFunction RealIoctl()
{
    static const auto real = reinterpret_cast<IoctlFunction>(dlsym(RTLD_NEXT, "ioctl"));
    return real;
}

int Refused(int error)
{
    errno = error;
    return -1;
}

// TIOCMIWAIT as the kernel has it: returns once CTS changes after the call began, or -1 with
// EINTR when a signal handler runs. Signals are held back while the shim looks at the lines,
// and ppoll lets them in only as it starts to sleep, so none slips in between.
int WaitForCtsChange(Shim& shim)
{
    sigset_t all, before;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, &before);
    std::unique_lock lock(shim.mutex);
    shim.settle();
    const int start = shim.ctsChanges;
    ++shim.waiting;
    int result = 0;
    for (;;) {
        shim.settle();
        if (shim.ctsChanges != start)
            break;
        timespec left{};
        const bool timed = shim.answerDue != None && !shim.clock.testTime;
        if (timed) {
            const std::int64_t ns = std::max<std::int64_t>(shim.answerDue - shim.now(), 0);
            left = {time_t(ns / 1000000000), long(ns % 1000000000)};
        }
        lock.unlock();
        const int woken = ppoll(nullptr, 0, timed ? &left : nullptr, &before);
        lock.lock();
        if (woken < 0) {
            ++shim.counts.interrupted;
            result = -1;
            break;
        }
    }
    --shim.waiting;
    lock.unlock();
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    if (result < 0)
        errno = EINTR;
    return result;
}

int PlayClock(unsigned long request, void* argument)
{
    Shim& shim = TheShim();
    if (request == TIOCMIWAIT) {
        {
            const std::lock_guard lock(shim.mutex);
            ++shim.counts.lineWaits;
            if (shim.clock.refuseWaits != 0)
                return Refused(shim.clock.refuseWaits);
        }
        return WaitForCtsChange(shim);
    }
    const std::lock_guard lock(shim.mutex);
    shim.settle();
    switch (request) {
    case TIOCMGET:
        ++shim.counts.statusReads;
        *static_cast<int*>(argument) =
            (shim.cts ? TIOCM_CTS : 0) | (shim.dtr ? TIOCM_DTR : 0) | (shim.rts ? TIOCM_RTS : 0);
        shim.afterRead();
        return 0;
    case TIOCGICOUNT: {
        ++shim.counts.countReads;
        if (shim.clock.refuseWaits != 0)
            return Refused(shim.clock.refuseWaits);
        serial_icounter_struct counted{};
        counted.cts = shim.ctsChanges;
        std::memcpy(argument, &counted, sizeof counted);
        shim.afterRead();
        return 0;
    }
    default: // TIOCMBIS, TIOCMBIC
        shim.changeLines(*static_cast<const int*>(argument), request == TIOCMBIS);
        return 0;
    }
}

bool IsClockRequest(unsigned long request)
{
    return request == TIOCMGET || request == TIOCMBIS || request == TIOCMBIC ||
           request == TIOCMIWAIT || request == TIOCGICOUNT;
}

// A program started with HALVEX_LINESHIM_ANSWER_US plays from its start.
__attribute__((constructor)) void PlayFromTheEnvironment()
{
    const char* answer = std::getenv("HALVEX_LINESHIM_ANSWER_US");
    if (!answer)
        return;
    LineShimClock clock;
    clock.answerNs = std::strcmp(answer, "never") == 0 ? -1 : std::atoll(answer) * 1000;
    const std::string waits =
        std::getenv("HALVEX_LINESHIM_WAITS") ? std::getenv("HALVEX_LINESHIM_WAITS") : "";
    clock.refuseWaits = waits == "einval" ? EINVAL : waits == "enotty" ? ENOTTY : 0;
    halvex_lineshim_play(&clock);
}

__attribute__((destructor)) void Report()
{
    const char* path = std::getenv("HALVEX_LINESHIM_REPORT");
    if (!path)
        return;
    LineShimCounts counts;
    halvex_lineshim_counts(&counts);
    FILE* file = std::fopen(path, "w");
    if (!file)
        return;
    std::fprintf(file,
                 "status_reads %ld\ncount_reads %ld\nline_waits %ld\ninterrupted %ld\n"
                 "dtr_rises %ld\nfirst_rise_ns %lld\nlast_answer_ns %lld\nrelease_ns %lld\nbytes ",
                 counts.statusReads, counts.countReads, counts.lineWaits, counts.interrupted,
                 counts.dtrRises, static_cast<long long>(counts.firstRiseNs),
                 static_cast<long long>(counts.lastAnswerNs),
                 static_cast<long long>(counts.releaseNs));
    for (int i = 0; i < counts.bytes; ++i)
        std::fprintf(file, "%02x", counts.received[i]);
    std::fprintf(file, "\n");
    std::fclose(file);
}

} // namespace

extern "C" {

int ioctl(int fd, unsigned long request, ...) noexcept
{
    va_list arguments;
    va_start(arguments, request);
    void* argument = va_arg(arguments, void*);
    va_end(arguments);
    if (IsClockRequest(request)) {
        Shim& shim = TheShim();
        std::unique_lock lock(shim.mutex);
        if (shim.playing) {
            lock.unlock();
            return PlayClock(request, argument);
        }
    }
    return RealIoctl()(fd, request, argument);
}

void halvex_lineshim_play(const LineShimClock* clock)
{
    Shim& shim = TheShim();
    const std::lock_guard lock(shim.mutex);
    shim.playing = true;
    shim.clock = *clock;
    shim.rts = shim.dtr = shim.cts = false;
    shim.ctsChanges = 0;
    shim.answerDue = shim.delayFromTick = None;
    shim.answerOnRead = false;
    shim.rtsAtRises.clear();
    shim.counts = {};
}

void halvex_lineshim_stop()
{
    Shim& shim = TheShim();
    const std::lock_guard lock(shim.mutex);
    shim.playing = false;
}

void halvex_lineshim_set_now_ms(std::uint32_t ms)
{
    Shim& shim = TheShim();
    const std::lock_guard lock(shim.mutex);
    shim.testNs = std::int64_t(ms) * 1000000;
    if (shim.delayFromTick != None)
        shim.answerDue = shim.testNs + shim.delayFromTick;
    shim.delayFromTick = None;
    shim.settle();
}

void halvex_lineshim_counts(LineShimCounts* counts)
{
    Shim& shim = TheShim();
    const std::lock_guard lock(shim.mutex);
    shim.count();
    *counts = shim.counts;
}

int halvex_lineshim_waiting()
{
    Shim& shim = TheShim();
    const std::lock_guard lock(shim.mutex);
    return shim.waiting;
}
}
