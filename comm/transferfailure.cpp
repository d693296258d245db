#include "comm/transferfailure.h"

#include <cstring>

namespace {

// Users of the dialout group may open serial devices on Debian and its kin; joining it takes
// effect at the next login.
constexpr const char* SerialGroup = "dialout";

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::string Count(int done, int of)
{
    return std::to_string(done) + " of " + std::to_string(of);
}

std::string NotThere(const TransferOutcome& outcome, const std::string& portName,
                     const PortFacts& facts)
{
    const std::string& device = outcome.port.device;
    if (portName == device) // named by its path on the command line
        return device + (outcome.port.problem == PortProblem::NoHardware
                             ? " has no serial port behind it."
                             : " does not exist: is the adapter plugged in?");
    const std::string is = portName + " is " + device;
    const bool builtIn = StartsWith(device, "/dev/ttyS");
    const std::string adapter = facts.usbAdapters.empty() ? "" : facts.usbAdapters.front().device;
    if (builtIn && !adapter.empty())
        return is + ", which has no serial port behind it; a USB adapter is at " + adapter +
               ": choose it in Settings";
    if (builtIn || outcome.port.problem == PortProblem::NoHardware)
        return is + ", which has no serial port behind it. Plug in the USB serial adapter and "
                    "choose it in Settings.";
    std::string text = is + ", which does not exist: is the adapter plugged in?";
    if (!adapter.empty() && adapter != device)
        text += " A USB adapter is at " + adapter + ": choose it in Settings.";
    return text;
}

std::string NotAllowed(const std::string& device, const PortFacts& facts)
{
    std::string text = "You are not allowed to open " + device + ".";
    if (facts.group == SerialGroup && !facts.userInGroup)
        return text + " It belongs to the group " + SerialGroup +
               ". Add yourself to that group with\n    sudo usermod -aG " + SerialGroup +
               " $USER\nthen log out and log in again.";
    return text + " Ask whoever looks after this computer for access to it.";
}

// The lock file is named with its process, so a person can tell a program that really uses the
// port from a lock left behind or planted; the manual page tells how to clear a stale one.
std::string HeldBy(const std::string& device, const PortFacts& facts)
{
    if (!facts.lockFile)
        return device + " is held by another program. Close that program (a terminal or modem "
                        "program, for example) and send again.";
    const LockFileHolder& lock = *facts.lockFile;
    const std::string process = "process " + std::to_string(lock.pid) +
                                (lock.command.empty() ? "" : " (" + lock.command + ")");
    return device + " is held by another program: the lock file " + lock.lockFile + " names " +
           process +
           ". Close that program and send again. If that process does not use the "
           "port, the lock file is stale: remove it (see \"man halvex\").";
}

std::string CannotOpen(const TransferOutcome& outcome, const std::string& portName,
                       const PortFacts& facts)
{
    const std::string& device = outcome.port.device;
    switch (outcome.port.problem) {
    case PortProblem::NoSuchDevice:
    case PortProblem::NoHardware:
        return NotThere(outcome, portName, facts);
    case PortProblem::PermissionDenied:
        return NotAllowed(device, facts);
    case PortProblem::Busy:
        return HeldBy(device, facts);
    case PortProblem::UnknownPort:
        if (!facts.settingsProblem.empty())
            return "The device chosen for " + portName + " is unknown: " + facts.settingsProblem +
                   " Name the device with --port, or choose it again in Settings.";
        return portName + " is no serial port.";
    case PortProblem::OtherError:
    case PortProblem::None:
        break;
    }
    return device + " could not be opened: " + std::strerror(outcome.port.errorNumber) + ".";
}

std::string NoAnswer(const TransferOutcome& outcome, const std::string& where)
{
    if (outcome.handshake == 0 && outcome.phase == HandshakePhase::Request)
        return "The clock did not answer at all on " + where +
               ". Check that the cable is plugged in at both ends and that the clock is ready "
               "to receive.";
    const std::string wait = outcome.phase == HandshakePhase::Request
                                 ? "after DTR rose, CTS did not come on"
                                 : "after DTR fell, CTS did not go off";
    return "The clock stopped answering on " + where + " after " +
           Count(outcome.bytesSent, ClockFrameSize) + " bytes, at handshake " +
           Count(outcome.handshake + 1, HandshakeCount) + ": " + wait + " within " +
           std::to_string(HandshakeTimeout / 1000) + " seconds. Send again.";
}

} // namespace

std::string DescribeTransferFailure(const TransferOutcome& outcome, const std::string& portName,
                                    const PortFacts& facts)
{
    const std::string& device = outcome.port.device;
    const std::string where = portName == device ? device : device + " (" + portName + ")";
    switch (outcome.result) {
    case TransferResult::PortUnavailable:
        return CannotOpen(outcome, portName, facts);
    case TransferResult::NoAnswer:
        return NoAnswer(outcome, where);
    case TransferResult::CtsStuckOn:
        return "CTS was on all the time on " + where +
               ", so the clock could never be heard. That points to the cable or the adapter, "
               "not the clock: check the cable's wiring.";
    case TransferResult::DeviceGone:
        return outcome.port.device + " went away during the send, after " +
               Count(outcome.bytesSent, ClockFrameSize) +
               " bytes. Was the adapter unplugged? Plug it in and send again.";
    case TransferResult::Sent:
    case TransferResult::Cancelled:
        break;
    }
    return {};
}
