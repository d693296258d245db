#include "comm/transfer.h"

namespace {

class Sender {
public:
    Sender(ModemLinePort& port, const TransferWatch& watch)
        : port(port)
        , watch(watch)
    {
    }

    bool sendFrame(const SetsBuffer& buffer);
    TransferOutcome failure() const { return outcome; }

private:
    bool handshake();
    bool waitForCts(bool wanted, std::uint32_t start);
    bool fail(HandshakePhase phase);
    void setRtsFor(bool bit);

    ModemLinePort& port;
    const TransferWatch& watch;
    TransferOutcome outcome;
    int handshakes = 0;
    bool rtsOn = false;
    bool ctsSeenOff = false;
};

// Waits for CTS to have the wanted level, or for the clock to have had HandshakeTimeout ms
// since start. The port sleeps between reads until the line may have moved, never past the
// moment the wait fails. The time is read before every status read, the first one included,
// and an answer found at exactly HandshakeTimeout still counts. Elapsed time is taken modulo
// 2^32, so a tick that wraps during the wait neither cuts it short nor stretches it. The port
// wakes up every few milliseconds even when nothing happens, so a request to stop is seen soon.
bool Sender::waitForCts(bool wanted, std::uint32_t start)
{
    const std::atomic<bool>* cancel = watch.cancel;
    for (;;) {
        const std::uint32_t elapsed = port.tickMs() - start;
        if (elapsed > HandshakeTimeout)
            return false;
        const bool cts = port.ctsIsOn();
        ctsSeenOff = ctsSeenOff || !cts;
        if (cts == wanted)
            return true;
        if (cancel && cancel->load(std::memory_order_relaxed))
            return false;
        port.awaitCtsChange(HandshakeTimeout + 1 - elapsed);
    }
}

// Raises the strobe and waits for the clock to raise CTS, then drops it and waits for CTS to
// fall. RTS is left alone: it changes only while DTR is off, so the clock reads a steady bit.
bool Sender::handshake()
{
    port.setDtr();
    if (!waitForCts(true, port.tickMs()))
        return fail(HandshakePhase::Request);
    port.clearDtr();
    if (!waitForCts(false, port.tickMs()))
        return fail(HandshakePhase::Release);
    ++handshakes;
    return true;
}

bool Sender::fail(HandshakePhase phase)
{
    outcome.handshake = handshakes;
    outcome.phase = phase;
    outcome.bytesSent = handshakes > 0 ? (handshakes - 1) / 8 : 0;
    if (watch.cancel && watch.cancel->load())
        outcome.result = TransferResult::Cancelled;
    else if (port.gone())
        outcome.result = TransferResult::DeviceGone;
    else if (phase == HandshakePhase::Release && !ctsSeenOff)
        outcome.result = TransferResult::CtsStuckOn;
    else
        outcome.result = TransferResult::NoAnswer;
    return false;
}

// On a USB adapter every line change is a message over the bus, so RTS is set only when the
// bit differs from the level the line already has; the clock reads the same level either way.
void Sender::setRtsFor(bool bit)
{
    if (bit == rtsOn)
        return;
    if (bit)
        port.setRts();
    else
        port.clearRts();
    rtsOn = bit;
}

bool Sender::sendFrame(const SetsBuffer& buffer)
{
    port.clearRts();
    rtsOn = false;
    if (!handshake()) // the opening handshake carries no data
        return false;
    for (int index = ClockFrameSize - 1; index >= 0; --index) {
        const Byte byte = buffer[index];
        for (unsigned mask = 0x80; mask != 0; mask >>= 1) {
            setRtsFor((byte & mask) != 0);
            if (!handshake())
                return false;
        }
        if (watch.progress)
            watch.progress(ClockFrameSize - index);
    }
    return true;
}

// Hands the lines back in their resting state and closes the port, also if showing the failure
// throws, so the port never stays open past the command.
class OpenPort {
public:
    explicit OpenPort(ModemLinePort& port)
        : port(port)
    {
    }
    ~OpenPort()
    {
        port.setRts();
        port.clearDtr();
        port.close();
    }
    OpenPort(const OpenPort&) = delete;
    OpenPort& operator=(const OpenPort&) = delete;

private:
    ModemLinePort& port;
};

} // namespace

TransferOutcome TransferClockFrame(const SetsBuffer& buffer, const std::string& portName,
                                   ModemLinePort& port,
                                   const std::function<void(const TransferOutcome&)>& showFailure,
                                   const TransferWatch& watch)
{
    TransferOutcome outcome;
    outcome.port = port.open(portName);
    if (!outcome.port) {
        outcome.result = TransferResult::PortUnavailable;
        showFailure(outcome);
        return outcome;
    }
    const OpenPort release(port);
    Sender sender(port, watch);
    if (sender.sendFrame(buffer)) {
        outcome.bytesSent = ClockFrameSize;
        return outcome;
    }
    const PortOpenResult opened = outcome.port;
    outcome = sender.failure();
    outcome.port = opened;
    // The lines keep the levels of the failed handshake while the user reads the message.
    if (outcome.result != TransferResult::Cancelled)
        showFailure(outcome);
    return outcome;
}
