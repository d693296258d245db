#include "app/sendconsole.h"

#include "comm/clockframe.h"
#include "model/translation.h"

#include <cerrno>
#include <istream>
#include <ostream>
#include <utility>

#include <poll.h>
#include <unistd.h>

namespace {

constexpr int Stdin = STDIN_FILENO;
constexpr int Stderr = STDERR_FILENO;

std::string ProgressLine(int bytesSent)
{
    return "\r" +
           FormatText(Translate("SendCommand", "byte %d of %d").c_str(), bytesSent, ClockFrameSize);
}

// Waits until fd is ready for events (or has hung up, or failed: the call that follows says
// which), or until wake is readable. False for the wake, or a wait that cannot be made.
// timeoutMs -1 waits as long as it takes.
bool WaitFor(int fd, short events, int wake, int timeoutMs = -1)
{
    pollfd watched[2] = {{fd, events, 0}, {wake, POLLIN, 0}};
    const nfds_t count = wake >= 0 ? 2 : 1;
    for (;;) {
        const int ready = ::poll(watched, count, timeoutMs);
        if (ready < 0 && errno == EINTR)
            continue; // a signal: the wake pipe says whether it was an ending one
        if (ready <= 0)
            return false;
        if (count == 2 && watched[1].revents != 0)
            return false;
        return watched[0].revents != 0;
    }
}

} // namespace

StreamConsole::StreamConsole(std::istream& in, std::ostream& out, bool terminal)
    : in(in)
    , out(out)
    , terminal(terminal)
{
}

void StreamConsole::progress(int bytesSent)
{
    if (!terminal)
        return;
    out << ProgressLine(bytesSent) << std::flush;
    progressShown = true;
}

void StreamConsole::say(std::string_view line)
{
    out << (progressShown ? "\n" : "") << line << "\n" << std::flush;
    progressShown = false;
}

std::optional<std::string> StreamConsole::ask(std::string_view question)
{
    out << question << std::flush;
    std::string answer;
    if (!std::getline(in, answer))
        return std::nullopt;
    return answer;
}

StandardConsole::StandardConsole(int wakeFd)
    : wake(wakeFd)
    , terminal(::isatty(Stderr) == 1)
{
}

bool StandardConsole::write(std::string_view text, bool onlyIfReady)
{
    while (!text.empty() && !readerGone) {
        if (!WaitFor(Stderr, POLLOUT, wake, onlyIfReady ? 0 : -1))
            return false;
        const ssize_t written = ::write(Stderr, text.data(), text.size());
        if (written < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (written <= 0) {
            readerGone = true; // EPIPE, EBADF: nobody reads any more, and that is no error
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return text.empty();
}

void StandardConsole::progress(int bytesSent)
{
    // A reader that lags (a terminal held with Ctrl+S, say) gets the next count instead.
    if (terminal && write(ProgressLine(bytesSent), true))
        progressShown = true;
}

void StandardConsole::say(std::string_view line)
{
    if (progressShown)
        write("\n", false);
    progressShown = false;
    write(std::string(line) + "\n", false);
}

std::optional<std::string> StandardConsole::ask(std::string_view question)
{
    write(question, false);
    for (;;) {
        if (const std::size_t end = pending.find('\n'); end != std::string::npos) {
            std::string answer = pending.substr(0, end);
            pending.erase(0, end + 1);
            return answer;
        }
        if (inputEnded || !WaitFor(Stdin, POLLIN, wake))
            return std::nullopt;
        char bytes[256];
        const ssize_t got = ::read(Stdin, bytes, sizeof bytes);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got <= 0) {
            inputEnded = true; // an answer without its newline still counts
            if (!pending.empty())
                return std::exchange(pending, std::string());
            continue;
        }
        pending.append(bytes, static_cast<std::size_t>(got));
    }
}
