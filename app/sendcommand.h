#pragma once

#include <atomic>
#include <iosfwd>
#include <string>

class LocalClock;
class ModemLinePort;
class SerialPorts;

// "halvex send FILE [--port COMn|DEVICE] [--repeat]": the program of FILE, loaded and shown as
// Load does (the same bytes the window would send), stamped and sent to the clock as "Send to
// Clock" does, with no window: progress and the reason for a failure go to err, in the error
// window's words.
struct SendRequest {
    std::string file;
    std::string port;    // "COMn" or a device path; empty: the port of halvex.dat
    bool repeat = false; // one clock after another, each on Enter, until "q" or the end of input
};

// Exit statuses of the command.
constexpr int SentStatus = 0;
constexpr int FileErrorStatus = 2;
constexpr int PortUnavailableStatus = 3;
constexpr int NoAnswerStatus = 4;

// The status of the last send; a request to end (end becomes true) stops a send the way a
// failure does and ends the command at once.
int RunSend(const SendRequest& request, ModemLinePort& port, LocalClock& clock,
            const SerialPorts& ports, std::istream& in, std::ostream& err,
            const std::atomic<bool>* end = nullptr);
