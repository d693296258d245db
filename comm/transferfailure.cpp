#include "comm/transferfailure.h"

#include "model/translation.h"

#include <cstring>

namespace {

// Users of the dialout group may open serial devices on Debian and its kin; joining it takes
// effect at the next login.
constexpr const char* SerialGroup = "dialout";

// What the reasons say, all in one place, for a translator too.
namespace Says {
constexpr auto PathHasNoPort =
    TranslatableText("TransferFailure", "%s has no serial port behind it.");
constexpr auto PathMissing =
    TranslatableText("TransferFailure", "%s does not exist: is the adapter plugged in?");
constexpr auto BuiltInAdapterElsewhere =
    TranslatableText("TransferFailure", "%s is %s, which has no serial port behind it; a USB "
                                        "adapter is at %s: choose it in Settings");
constexpr auto NoPortBehind =
    TranslatableText("TransferFailure", "%s is %s, which has no serial port behind it. Plug in "
                                        "the USB serial adapter and choose it in Settings.");
constexpr auto Missing = TranslatableText(
    "TransferFailure", "%s is %s, which does not exist: is the adapter plugged in?");
constexpr auto MissingAdapterElsewhere =
    TranslatableText("TransferFailure", "%s is %s, which does not exist: is the adapter plugged "
                                        "in? A USB adapter is at %s: choose it in Settings.");
constexpr auto NotInGroup = TranslatableText(
    "TransferFailure", "You are not allowed to open %s. It belongs to the group %s. Add yourself "
                       "to that group with\n    sudo usermod -aG %s $USER\nthen log out and log "
                       "in again.");
constexpr auto NotAllowed =
    TranslatableText("TransferFailure", "You are not allowed to open %s. Ask whoever looks after "
                                        "this computer for access to it.");
constexpr auto Held =
    TranslatableText("TransferFailure", "%s is held by another program. Close that program (a "
                                        "terminal or modem program, for example) and send again.");
constexpr auto HeldByProcess = TranslatableText(
    "TransferFailure",
    "%s is held by another program: the lock file %s names process %ld. Close that program and "
    "send again. If that process does not use the port, the lock file is stale: remove it (see "
    "\"man halvex\").");
constexpr auto HeldByCommand = TranslatableText(
    "TransferFailure",
    "%s is held by another program: the lock file %s names process %ld (%s). Close that program "
    "and send again. If that process does not use the port, the lock file is stale: remove it "
    "(see \"man halvex\").");
constexpr auto ChoiceUnknown =
    TranslatableText("TransferFailure", "The device chosen for %s is unknown: %s Name the device "
                                        "with --port, or choose it again in Settings.");
constexpr auto NoSerialPort = TranslatableText("TransferFailure", "%s is no serial port.");
constexpr auto CannotOpen = TranslatableText("TransferFailure", "%s could not be opened: %s.");
constexpr auto NoAnswerAtAll = TranslatableText(
    "TransferFailure", "The clock did not answer at all on %s. Check that the cable is plugged "
                       "in at both ends and that the clock is ready to receive.");
constexpr auto NoAnswerToRise = TranslatableText(
    "TransferFailure",
    "The clock stopped answering on %s after %d of %d bytes, at handshake %d of %d: after DTR "
    "rose, CTS did not come on within %d seconds. Send again.");
constexpr auto NoAnswerToFall = TranslatableText(
    "TransferFailure",
    "The clock stopped answering on %s after %d of %d bytes, at handshake %d of %d: after DTR "
    "fell, CTS did not go off within %d seconds. Send again.");
constexpr auto CtsStuckOn = TranslatableText(
    "TransferFailure", "CTS was on all the time on %s, so the clock could never be heard. That "
                       "points to the cable or the adapter, not the clock: check the cable's "
                       "wiring.");
constexpr auto DeviceGone = TranslatableText(
    "TransferFailure", "%s went away during the send, after %d of %d bytes. Was the adapter "
                       "unplugged? Plug it in and send again.");
} // namespace Says

template <typename... Args> std::string Format(const TranslatableText& text, Args... args)
{
    return FormatText(Translate(text).c_str(), args...);
}

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::string NotThere(const TransferOutcome& outcome, const std::string& portName,
                     const PortFacts& facts)
{
    const char* device = outcome.port.device.c_str();
    if (portName == outcome.port.device) // named by its path on the command line
        return Format(outcome.port.problem == PortProblem::NoHardware ? Says::PathHasNoPort
                                                                      : Says::PathMissing,
                      device);
    const bool builtIn = StartsWith(device, "/dev/ttyS");
    const std::string adapter = facts.usbAdapters.empty() ? "" : facts.usbAdapters.front().device;
    if (builtIn && !adapter.empty())
        return Format(Says::BuiltInAdapterElsewhere, portName.c_str(), device, adapter.c_str());
    if (builtIn || outcome.port.problem == PortProblem::NoHardware)
        return Format(Says::NoPortBehind, portName.c_str(), device);
    if (!adapter.empty() && adapter != device)
        return Format(Says::MissingAdapterElsewhere, portName.c_str(), device, adapter.c_str());
    return Format(Says::Missing, portName.c_str(), device);
}

std::string NotAllowed(const std::string& device, const PortFacts& facts)
{
    if (facts.group == SerialGroup && !facts.userInGroup)
        return Format(Says::NotInGroup, device.c_str(), SerialGroup, SerialGroup);
    return Format(Says::NotAllowed, device.c_str());
}

// The lock file is named with its process, so a person can tell a program that really uses the
// port from a lock left behind or planted; the manual page tells how to clear a stale one.
std::string HeldBy(const std::string& device, const PortFacts& facts)
{
    if (!facts.lockFile)
        return Format(Says::Held, device.c_str());
    const LockFileHolder& lock = *facts.lockFile;
    if (lock.command.empty())
        return Format(Says::HeldByProcess, device.c_str(), lock.lockFile.c_str(), lock.pid);
    return Format(Says::HeldByCommand, device.c_str(), lock.lockFile.c_str(), lock.pid,
                  lock.command.c_str());
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
            return Format(Says::ChoiceUnknown, portName.c_str(), facts.settingsProblem.c_str());
        return Format(Says::NoSerialPort, portName.c_str());
    case PortProblem::OtherError:
    case PortProblem::None:
        break;
    }
    return Format(Says::CannotOpen, device.c_str(), std::strerror(outcome.port.errorNumber));
}

std::string NoAnswer(const TransferOutcome& outcome, const std::string& where)
{
    if (outcome.handshake == 0 && outcome.phase == HandshakePhase::Request)
        return Format(Says::NoAnswerAtAll, where.c_str());
    return Format(outcome.phase == HandshakePhase::Request ? Says::NoAnswerToRise
                                                           : Says::NoAnswerToFall,
                  where.c_str(), outcome.bytesSent, ClockFrameSize, outcome.handshake + 1,
                  HandshakeCount, int(HandshakeTimeout / 1000));
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
        return Format(Says::CtsStuckOn, where.c_str());
    case TransferResult::DeviceGone:
        return Format(Says::DeviceGone, device.c_str(), outcome.bytesSent, ClockFrameSize);
    case TransferResult::Sent:
    case TransferResult::Cancelled:
        break;
    }
    return {};
}
