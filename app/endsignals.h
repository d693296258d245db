#pragma once

#include <atomic>

// SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C in the terminal that started the program) end
// it through its own code rather than on the spot: a send that is running sees requested() at
// once, stops, and hands the clock's lines back (RTS on, DTR off, port closed) before the
// program exits. The handlers do not restart what they interrupt (no SA_RESTART): a read, a
// write or a wait on the lines that blocks returns at once with EINTR, so the code that waits
// looks at the request; waits on a terminal or a pipe watch wakeFd(), which becomes readable
// when a signal comes, so that one that came just before the wait began is not missed. SIGPIPE
// is ignored meanwhile: a reader that went away (halvex send ... | head -1) makes a write fail
// rather than end the program half way through a send with the lines off.
class EndSignals {
public:
    EndSignals();
    ~EndSignals();
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

    const std::atomic<bool>& requested() const;
    // Readable once an ending signal has come; -1 when there is no pipe (and no handlers: the
    // signals then end the program as they always would).
    int wakeFd() const;
    // Ends the process by the signal that asked for the end, as if it had not been caught, so
    // whoever started the program sees how it ended. Returns when no signal came.
    void endLikeTheSignal() const;
};
