// What reaches the program from the clock's side: the computer's date and time stamped into
// the frame, and how the clock answers each strobe on CTS. Input: 7 time fields of 4 bytes,
// then one byte per handshake edge for the clock's answer (the edges after the input answer at
// once).
#include "comm/transfer.h"
#include "fuzzharness.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

int TakeInt(const std::uint8_t*& data, std::size_t& size)
{
    std::int32_t value = 0;
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        data += sizeof value;
        size -= sizeof value;
    }
    return value;
}

// Mostly quick answers, and the answers that sit on either side of the time limit.
std::uint32_t AnswerDelay(std::uint8_t b)
{
    switch (b) {
    case 0xFD:
        return 1999;
    case 0xFE:
        return 2000;
    case 0xFF:
        return 2001;
    default:
        return b % 8;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    StillClock clock;
    LocalDateTime& t = clock.time;
    for (int* field : {&t.year, &t.month, &t.dayOfWeek, &t.day, &t.hour, &t.minute, &t.second})
        *field = TakeInt(data, size);
    const std::vector<std::uint8_t> answers(data, data + size);

    SetsBuffer buffer;
    const std::string portName = PrepareClockFrame(buffer, clock);
    SimulatedClock port(0xFFFFF000u); // the tick wraps during the transfer
    port.delayFor = [&](int handshake, bool rising) {
        const std::size_t edge = 2 * static_cast<std::size_t>(handshake) + (rising ? 0 : 1);
        return edge < answers.size() ? AnswerDelay(answers[edge]) : 0u;
    };
    int failures = 0;
    const TransferResult outcome =
        TransferClockFrame(buffer, portName, port, [&](const TransferOutcome&) {
            ++failures;
        }).result;
    const std::size_t edges = std::min<std::size_t>(answers.size(), 2 * HandshakeCount);
    const bool late = std::any_of(answers.begin(), answers.begin() + static_cast<long>(edges),
                                  [](std::uint8_t b) { return b == 0xFF; });
    if ((outcome == TransferResult::Sent) == late || failures != (late ? 1 : 0))
        std::abort(); // exactly the answers later than the limit fail the transfer
    if (port.isOpen || (!late && port.rtsChangesWhileStrobed != 0))
        std::abort(); // released in the end; the bit held steady while strobed
    return 0;
}
