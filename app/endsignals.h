#pragma once

#include <QObject>

#include <atomic>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C in the terminal that started the program) end
// it through its event loop rather than on the spot: a send that is running sees requested()
// at once, stops, and hands the clock's lines back (RTS on, DTR off, port closed) before the
// program exits.
class EndSignals : public QObject {
public:
    EndSignals();
    ~EndSignals() override;

    const std::atomic<bool>& requested() const;
    // Ends the process by the signal that asked for the end, as if it had not been caught, so
    // whoever started the program sees how it ended. Returns when no signal came.
    void endLikeTheSignal() const;

private:
    QSocketNotifier* notifier = nullptr;
};
