#pragma once

#include <atomic>
#include <string>

class LocalClock;
class ModemLinePort;
class SendConsole;
class SerialPorts;

// "halvex send FILE [--port COMn|DEVICE] [--repeat]": the program of FILE, loaded and shown as
// Load does (the same bytes the window would send), stamped and sent to the clock as "Send to
// Clock" does, with no window: progress, how the send ended and the reason for a failure go to
// the console, in the error window's words.
struct SendRequest {
    std::string file;
    std::string port;    // "COM1".."COM8" or a device path; empty: the port of halvex.dat
    bool repeat = false; // one clock after another, each on Enter, until "q" or the end of input
};

// Exit statuses of the commands.
constexpr int UsageStatus = 1; // a command used wrongly (check: something was found)
constexpr int SentStatus = 0;
constexpr int FileErrorStatus = 2;
constexpr int PortUnavailableStatus = 3;
constexpr int NoAnswerStatus = 4;

// The status of the last send. The file must be a program file (LoadProgramFile). Without a
// port named, the port is that of halvex.dat; a halvex.dat that cannot be read leaves the port
// unknown, and nothing is sent (port unavailable). A request to end (end becomes true) stops a
// send the way a failure does and ends the command at once; it never opens the port again.
int RunSend(const SendRequest& request, ModemLinePort& port, LocalClock& clock,
            const SerialPorts& ports, SendConsole& console, const std::atomic<bool>* end = nullptr);
