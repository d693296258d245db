#include "app/sendcommand.h"

#include "app/sendconsole.h"
#include "comm/clockframe.h"
#include "comm/settingsblock.h"
#include "comm/transfer.h"
#include "comm/transferfailure.h"
#include "files/datafile.h"
#include "model/mainview.h"
#include "model/translation.h"
#include "ui/serialports.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

int StatusOf(TransferResult result)
{
    switch (result) {
    case TransferResult::Sent:
        return SentStatus;
    case TransferResult::PortUnavailable:
    case TransferResult::DeviceGone:
        return PortUnavailableStatus;
    case TransferResult::NoAnswer:
    case TransferResult::CtsStuckOn:
    case TransferResult::Cancelled:
        break;
    }
    return NoAnswerStatus;
}

struct Sent {
    TransferOutcome outcome;
    double seconds = 0;
};

Sent SendOnce(SetsBuffer& program, const SendRequest& request, ModemLinePort& port,
              LocalClock& clock, SendConsole& console, const std::atomic<bool>* end)
{
    const std::string stampedPort = PrepareClockFrame(program, clock);
    const std::string portName = request.port.empty() ? stampedPort : request.port;
    TransferWatch watch;
    watch.progress = [&console](int bytes) { console.progress(bytes); };
    watch.cancel = end;
    const auto start = std::chrono::steady_clock::now();
    Sent sent;
    sent.outcome = TransferClockFrame(
        program, portName, port, [](const TransferOutcome&) {}, watch);
    sent.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return sent;
}

// "sent 123 bytes to /dev/ttyUSB0 in 2.1 s": the one line a log keeps of a send. The seconds
// are given in whole seconds and tenths, so a translation writes them with its own decimal mark.
std::string SentLine(const Sent& sent)
{
    const long long tenths = std::llround(sent.seconds * 10);
    return FormatText(Translate("SendCommand", "sent %d bytes to %s in %lld.%lld s").c_str(),
                      ClockFrameSize, sent.outcome.port.device.c_str(), tenths / 10, tenths % 10);
}

// Enter sends to the next clock, "q" or "quit" ends; anything else is asked again, so that a
// stray key never sends.
enum class Answer { Next, End, Unclear };

Answer Understand(std::string answer)
{
    std::erase_if(answer, [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
    std::transform(answer.begin(), answer.end(), answer.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    if (answer.empty())
        return Answer::Next;
    return answer == "q" || answer == "quit" ? Answer::End : Answer::Unclear;
}

bool NextClockWanted(SendConsole& console, const std::atomic<bool>* end)
{
    for (std::string question =
             Translate("SendCommand", "Connect the next clock and press Enter (q to end): ");
         ; question = Translate("SendCommand",
                                "Press Enter to send to the next clock, or q and Enter to end: ")) {
        const std::optional<std::string> answer = console.ask(question);
        if (!answer || (end && end->load()))
            return false;
        const Answer understood = Understand(*answer);
        if (understood != Answer::Unclear)
            return understood == Answer::Next;
    }
}

} // namespace

int RunSend(const SendRequest& request, ModemLinePort& port, LocalClock& clock,
            const SerialPorts& ports, SendConsole& console, const std::atomic<bool>* end)
{
    SetsBuffer program;
    const std::string path = DataFileToOpen(request.file);
    if (const std::string why = LoadProgramFile(program, path); !why.empty()) {
        console.say("halvex: " + why);
        return FileErrorStatus;
    }
    EditState shown;
    ShowLoadedProgram(program, shown); // the bytes "Send to Clock" sends after Load
    if (request.port.empty()) {
        // The port of halvex.dat, as the window starts with it. A file that is there but cannot
        // be read leaves the port unknown: COM1 might be another device than the clock's.
        if (const FileResult read = LoadSettingsBlock(program); read != FileResult::Done) {
            console.say("halvex: " +
                        FormatText(Translate("SendCommand", "%s So the clock's port is unknown: "
                                                            "name it with --port.")
                                       .c_str(),
                                   DescribeFileResult(read, SettingsFileName).c_str()));
            return PortUnavailableStatus;
        }
    }
    int status = SentStatus;
    for (int count = 1; !(end && end->load()); ++count) {
        const Sent sent = SendOnce(program, request, port, clock, console, end);
        status = StatusOf(sent.outcome.result);
        if (sent.outcome.result == TransferResult::Cancelled)
            return status;
        const std::string portName = request.port.empty() ? PortName(program) : request.port;
        const std::string clockNumber =
            request.repeat ? FormatText(Translate("SendCommand", "clock %d: ").c_str(), count) : "";
        if (status == SentStatus) {
            console.say(clockNumber + SentLine(sent));
        } else {
            console.say(
                FormatText(Translate("SendCommand", "Serial Transfer Error ! %s").c_str(),
                           DescribeTransferFailure(sent.outcome, portName,
                                                   ports.factsAbout(sent.outcome.port.device))
                               .c_str()));
            if (request.repeat)
                console.say(clockNumber + Translate("SendCommand", "not sent"));
        }
        if (!request.repeat || !NextClockWanted(console, end))
            return status;
    }
    return status;
}
