#include "app/endsignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

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
    Requested.store(true);
    Received.store(signal);
    const char byte = 0;
    (void)!::write(Wake[1], &byte, 1);
}

} // namespace

EndSignals::EndSignals()
{
    if (::pipe2(Wake, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // no pipe, no handlers: the signals end the program as they always would
    notifier = new QSocketNotifier(Wake[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [] {
        char byte = 0;
        while (::read(Wake[0], &byte, 1) > 0) {
        }
        QCoreApplication::exit(0); // leaves every event loop, the modal ones included
    });
    struct sigaction action {};
    action.sa_handler = OnEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : EndingSignals)
        ::sigaction(signal, &action, nullptr);
}

EndSignals::~EndSignals()
{
    for (int signal : EndingSignals)
        std::signal(signal, SIG_DFL);
}

const std::atomic<bool>& EndSignals::requested() const
{
    return Requested;
}

void EndSignals::endLikeTheSignal() const
{
    const int signal = Received.load();
    if (signal == 0)
        return;
    std::signal(signal, SIG_DFL);
    ::raise(signal);
}
