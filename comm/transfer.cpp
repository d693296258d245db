#include "comm/transfer.h"

#include "comm/modemlineport.h"

namespace {

// Busy-polls CTS until it has the wanted level or the clock has had HandshakeTimeout ms since
// start. The time is read before every status read, the first one included, and an answer
// found at exactly HandshakeTimeout still counts. Elapsed time is taken modulo 2^32, so a tick
// that wraps during the wait neither cuts it short nor stretches it.
bool WaitForCts(ModemLinePort& port, bool wanted, std::uint32_t start)
{
    for (;;) {
        const std::uint32_t elapsed = port.tickMs() - start;
        if (elapsed > HandshakeTimeout)
            return false;
        if (port.ctsIsOn() == wanted)
            return true;
    }
}

// Raises the strobe and waits for the clock to raise CTS, then drops it and waits for CTS to
// fall. RTS is left alone: it changes only while DTR is off, so the clock reads a steady bit.
bool Handshake(ModemLinePort& port)
{
    port.setDtr();
    if (!WaitForCts(port, true, port.tickMs()))
        return false;
    port.clearDtr();
    return WaitForCts(port, false, port.tickMs());
}

bool SendFrame(const SetsBuffer& buffer, ModemLinePort& port)
{
    port.clearRts();
    if (!Handshake(port)) // the opening handshake carries no data
        return false;
    for (int index = ClockFrameSize - 1; index >= 0; --index) {
        const Byte byte = buffer[index];
        for (unsigned mask = 0x80; mask != 0; mask >>= 1) {
            if (byte & mask)
                port.setRts();
            else
                port.clearRts();
            if (!Handshake(port))
                return false;
        }
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

TransferResult TransferClockFrame(const SetsBuffer& buffer, const std::string& portName,
                                  ModemLinePort& port, const std::function<void()>& showFailure)
{
    if (!port.open(portName)) {
        showFailure();
        return TransferResult::PortUnavailable;
    }
    const OpenPort release(port);
    if (SendFrame(buffer, port))
        return TransferResult::Sent;
    // The lines keep the levels of the failed handshake while the user reads the message.
    showFailure();
    return TransferResult::NoAnswer;
}
