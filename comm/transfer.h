#pragma once

#include "comm/clockframe.h"
#include "model/setsbuffer.h"

#include <cstdint>
#include <functional>
#include <string>

class ModemLinePort;

// The longest the clock may take to answer one DTR edge on CTS, in milliseconds.
constexpr std::uint32_t HandshakeTimeout = 2000;

// One opening handshake without data, then one per bit of the 123-byte frame.
constexpr int HandshakeCount = 1 + ClockFrameSize * 8;

enum class TransferResult {
    Sent,            // every handshake answered; nothing is shown
    PortUnavailable, // the port could not be opened; no line was touched
    NoAnswer,        // the clock missed a handshake; the lines were released afterwards
};

// Sends bytes 122 down to 0 of the buffer, most significant bit first, one handshake per bit,
// to the clock on the named port. On any failure showFailure runs (the error window, modally)
// while the lines still hold their levels; afterwards the port is released (RTS on, DTR off)
// and closed. It runs to the end before it returns: there is no retry and no overall limit.
TransferResult TransferClockFrame(const SetsBuffer& buffer, const std::string& portName,
                                  ModemLinePort& port, const std::function<void()>& showFailure);
