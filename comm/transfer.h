#pragma once

#include "comm/clockframe.h"
#include "comm/modemlineport.h"
#include "model/setsbuffer.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

// The longest the clock may take to answer one DTR edge on CTS, in milliseconds.
constexpr std::uint32_t HandshakeTimeout = 2000;

// One opening handshake without data, then one per bit of the 123-byte frame.
constexpr int HandshakeCount = 1 + ClockFrameSize * 8;

enum class TransferResult {
    Sent,            // every handshake answered; nothing is shown
    PortUnavailable, // the port could not be opened; no line was touched
    NoAnswer,        // the clock missed a handshake
    CtsStuckOn,      // CTS never went off: the cable or the adapter, not the clock
    DeviceGone,      // the device went away during the send
    Cancelled,       // the program was asked to end during the send; nothing is shown
};

// Each handshake has two halves: DTR rises and the clock must raise CTS (the request), then DTR
// falls and the clock must drop CTS (the release).
enum class HandshakePhase { Request, Release };

struct TransferOutcome {
    TransferResult result = TransferResult::Sent;
    PortOpenResult port; // the port's answer to opening it
    int handshake = -1;  // the handshake that failed, 0 = the opening one, else 1..984
    HandshakePhase phase = HandshakePhase::Request;
    int bytesSent = 0; // bytes the clock had taken in completely
};

// What may watch a send from outside: progress after every byte the clock has taken in, and a
// request to stop (from another thread, or a signal handler) that ends the send as a failure
// does, without the message.
struct TransferWatch {
    std::function<void(int bytesSent)> progress;
    const std::atomic<bool>* cancel = nullptr;
};

// Sends bytes 122 down to 0 of the buffer, most significant bit first, one handshake per bit,
// to the clock on the named port. On any failure but a cancel, showFailure runs (the error
// window, modally) while the lines still hold their levels; afterwards the port is released
// (RTS on, DTR off) and closed. It runs to the end before it returns: there is no retry and no
// overall limit.
TransferOutcome TransferClockFrame(const SetsBuffer& buffer, const std::string& portName,
                                   ModemLinePort& port,
                                   const std::function<void(const TransferOutcome&)>& showFailure,
                                   const TransferWatch& watch = {});
