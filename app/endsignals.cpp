#include "app/endsignals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int EndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

// A signal handler may only store into a lock-free atomic and write to a pipe.
std::atomic<bool> Requested = false;
std::atomic<int> Received = 0;
int Wake[2] = {-1, -1};

static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);

extern "C" void OnEndingSignal(int signal)
{
    const int savedErrno = errno; // the interrupted code may be about to look at it
    Requested.store(true);
    Received.store(signal);
    const char byte = 0;
    (void)!::write(Wake[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

EndSignals::EndSignals()
{
    if (::pipe2(Wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        Wake[0] = Wake[1] = -1;
        return; // no pipe, no handlers: the signals end the program as they always would
    }
    struct sigaction action {};
    action.sa_handler = OnEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART: a blocking call returns with EINTR
    for (int signal : EndingSignals)
        ::sigaction(signal, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

EndSignals::~EndSignals()
{
    if (Wake[0] < 0)
        return;
    for (int signal : EndingSignals)
        std::signal(signal, SIG_DFL);
    std::signal(SIGPIPE, SIG_DFL);
}

const std::atomic<bool>& EndSignals::requested() const
{
    return Requested;
}

int EndSignals::wakeFd() const
{
    return Wake[0];
}

void EndSignals::endLikeTheSignal() const
{
    const int signal = Received.load();
    if (signal == 0)
        return;
    std::signal(signal, SIG_DFL);
    ::raise(signal);
}
