#include "app/sendcommand.h"

#include "comm/clockframe.h"
#include "comm/serialport.h"
#include "comm/settingsblock.h"
#include "comm/transfer.h"
#include "comm/transferfailure.h"
#include "files/datafile.h"
#include "model/mainview.h"
#include "ui/serialports.h"

#include <chrono>
#include <cstdio>
#include <iomanip>
#include <iostream>
#include <istream>
#include <ostream>

#include <unistd.h>

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

// On a terminal the count is rewritten in place; into a file or a pipe it goes a line a byte.
void ShowProgress(std::ostream& err, int bytes, bool terminal)
{
    err << (terminal ? "\r" : "") << "byte " << bytes << " of " << ClockFrameSize
        << (terminal ? "" : "\n") << std::flush;
}

struct Sent {
    TransferOutcome outcome;
    double seconds = 0;
};

Sent SendOnce(SetsBuffer& program, const SendRequest& request, ModemLinePort& port,
              LocalClock& clock, std::ostream& err, const std::atomic<bool>* end)
{
    const std::string stampedPort = PrepareClockFrame(program, clock);
    const std::string portName = request.port.empty() ? stampedPort : request.port;
    const bool terminal = &err == &std::cerr && ::isatty(STDERR_FILENO);
    TransferWatch watch;
    watch.progress = [&](int bytes) { ShowProgress(err, bytes, terminal); };
    watch.cancel = end;
    const auto start = std::chrono::steady_clock::now();
    Sent sent;
    sent.outcome = TransferClockFrame(
        program, portName, port, [](const TransferOutcome&) {}, watch);
    sent.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (terminal)
        err << "\n";
    return sent;
}

} // namespace

int RunSend(const SendRequest& request, ModemLinePort& port, LocalClock& clock,
            const SerialPorts& ports, std::istream& in, std::ostream& err,
            const std::atomic<bool>* end)
{
    SetsBuffer program;
    LoadSettingsBlock(program); // the port of halvex.dat, as the window starts with it
    const std::string path = DataFileToOpen(request.file);
    if (LoadDataFile(program, path) != FileResult::Done) {
        err << "halvex: " << request.file
            << ": File I/O Error ! (it is missing or cannot be read)\n";
        return FileErrorStatus;
    }
    EditState shown;
    ShowLoadedProgram(program, shown); // the bytes "Send to Clock" sends after Load
    int status = SentStatus;
    for (int count = 1;; ++count) {
        const Sent sent = SendOnce(program, request, port, clock, err, end);
        status = StatusOf(sent.outcome.result);
        if (sent.outcome.result == TransferResult::Cancelled)
            return status;
        const std::string portName = request.port.empty() ? PortName(program) : request.port;
        if (status != SentStatus)
            err << "Serial Transfer Error ! "
                << DescribeTransferFailure(sent.outcome, portName,
                                           ports.factsAbout(sent.outcome.port.device))
                << "\n";
        if (!request.repeat)
            return status;
        if (status == SentStatus)
            err << "clock " << count << ": sent in " << std::fixed << std::setprecision(1)
                << sent.seconds << " s\n";
        else
            err << "clock " << count << ": not sent\n";
        err << "Connect the next clock and press Enter (q to end): " << std::flush;
        std::string answer;
        if (!std::getline(in, answer) || answer == "q" || answer == "Q")
            return status;
    }
}
