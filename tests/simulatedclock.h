#pragma once

#include "comm/modemlineport.h"
#include "model/setsbuffer.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// A KV40 clock at the end of a simulated serial port. Time is a fake millisecond tick that
// moves only while the transfer waits for CTS to change: a wait ends at the tick of the
// clock's next answer, or after the time it asked for, so a test of a 2000 ms limit takes no
// real time and every answer is seen at its exact tick. Reads take no time, and a transfer
// that reads the line over and over instead of waiting is caught.
//
// The clock answers each DTR edge after a chosen delay, counted from the tick at which the
// edge happened: CTS follows DTR at that tick.
// It can stop answering from a chosen handshake on, hold CTS stuck on, and fail status reads.
// It records the RTS level at every DTR rise, and notices everything a well-behaved transfer
// never does.
class SimulatedClock : public ModemLinePort {
public:
    enum class Op { Open, SetRts, ClearRts, SetDtr, ClearDtr, Close };

    // Configuration.
    std::uint32_t answerDelay = 0;
    // Per edge: handshake number (0 = the opening one) and whether DTR rose. Overrides
    // answerDelay when set.
    std::function<std::uint32_t(int handshake, bool rising)> delayFor;
    int stopAnsweringAt = -1; // from this handshake's DTR rise on, CTS no longer moves
    bool ctsStuckOn = false;
    int readsBeforeFailing = -1; // status reads that succeed before every later one fails
    bool portMissing = false;    // open fails, as for an absent port
    PortProblem openProblem = PortProblem::NoSuchDevice; // what a failing open reports
    int goneAt = -1; // from this handshake's DTR rise on, the device is unplugged

    // What happened.
    std::string openedName;
    bool isOpen = false;
    bool rts = false;
    bool dtr = false;
    bool cts = false;
    std::vector<bool> rtsAtRises; // one entry per DTR rise; entry 0 is the opening handshake
    std::vector<Op> ops;          // every call that changes something, in order
    int lineCallsWhileClosed = 0;
    int rtsChangesWhileStrobed = 0; // the bit must be steady while DTR is on
    std::uint32_t lastEdgeTick = 0;

    explicit SimulatedClock(std::uint32_t startTick = 0)
        : tick(startTick)
    {
    }

    std::uint32_t now() const { return tick; }
    int dtrRises() const { return static_cast<int>(rtsAtRises.size()); }

    // The bytes the clock took in, in the order they came (byte 122 of the frame first).
    std::vector<Byte> receivedBytes() const
    {
        std::vector<Byte> bytes;
        for (std::size_t bit = 1; bit + 8 <= rtsAtRises.size(); bit += 8) {
            Byte value = 0;
            for (std::size_t k = 0; k < 8; ++k)
                value = static_cast<Byte>(value << 1 | (rtsAtRises[bit + k] ? 1 : 0));
            bytes.push_back(value);
        }
        return bytes;
    }

    PortOpenResult open(const std::string& name) override
    {
        ops.push_back(Op::Open);
        openedName = name;
        if (portMissing)
            return {openProblem, "/dev/simulated", 0};
        if (isOpen)
            return {PortProblem::Busy, "/dev/simulated", 0};
        isOpen = true;
        return {PortProblem::None, "/dev/simulated", 0};
    }

    bool gone() const override { return goneAt >= 0 && dtrRises() - 1 >= goneAt; }

    // RTS and DTR changes asked of the port, the release after the send included.
    int lineCalls() const
    {
        int calls = 0;
        for (Op op : ops)
            calls += op == Op::Open || op == Op::Close ? 0 : 1;
        return calls;
    }
    bool setRts() override { return setRts(Op::SetRts, true); }
    bool clearRts() override { return setRts(Op::ClearRts, false); }
    bool setDtr() override { return setDtr(Op::SetDtr, true); }
    bool clearDtr() override { return setDtr(Op::ClearDtr, false); }

    bool ctsIsOn() override
    {
        if (!isOpen)
            ++lineCallsWhileClosed;
        if (++readsThisWait > ReadLimit)
            throw std::runtime_error("the transfer polls the line instead of waiting on it");
        advanceCts();
        if (gone())
            return lastRead;
        if (readsBeforeFailing < 0 || reads < readsBeforeFailing) {
            ++reads;
            lastRead = cts;
        }
        return lastRead; // a failed read leaves the last level read, as the real port does
    }

    // Wakes at the tick of the clock's next answer, or after maxMs when none is coming.
    void awaitCtsChange(std::uint32_t maxMs) override
    {
        ++waits;
        std::uint32_t sleep = maxMs;
        if (answerComing()) {
            const std::uint32_t untilAnswer = lastEdgeTick + currentDelay() - tick;
            sleep = std::min(sleep, untilAnswer);
        }
        tick += sleep;
    }

    bool close() override
    {
        ops.push_back(Op::Close);
        if (!isOpen) {
            ++lineCallsWhileClosed;
            return false;
        }
        isOpen = false;
        return true;
    }

    std::uint32_t tickMs() override { return tick; }

    int waits = 0; // calls of awaitCtsChange()

private:
    // A wait reads the line, sleeps until the answer or its end, and reads again; now and then
    // a third time. A transfer that reads more often is polling.
    static constexpr int ReadLimit = 10;

    bool setRts(Op op, bool level)
    {
        ops.push_back(op);
        if (!isOpen)
            ++lineCallsWhileClosed;
        if (dtr && level != rts)
            ++rtsChangesWhileStrobed;
        rts = level;
        return isOpen;
    }

    bool setDtr(Op op, bool level)
    {
        ops.push_back(op);
        if (!isOpen)
            ++lineCallsWhileClosed;
        if (level != dtr) {
            if (level)
                rtsAtRises.push_back(rts);
            dtr = level;
            edgePending = true;
            lastEdgeTick = tick;
            readsThisWait = 0;
        }
        return isOpen;
    }

    bool answerComing() const
    {
        const int handshake = dtrRises() - 1;
        return !ctsStuckOn && edgePending && (stopAnsweringAt < 0 || handshake < stopAnsweringAt);
    }

    std::uint32_t currentDelay() const
    {
        return delayFor ? delayFor(dtrRises() - 1, dtr) : answerDelay;
    }

    void advanceCts()
    {
        if (ctsStuckOn) {
            cts = true;
            return;
        }
        if (answerComing() && tick - lastEdgeTick >= currentDelay()) {
            cts = dtr;
            edgePending = false;
        }
    }

    std::uint32_t tick;
    bool edgePending = false;
    bool lastRead = false;
    int reads = 0;
    int readsThisWait = 0;
};
