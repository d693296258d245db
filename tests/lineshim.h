#pragma once

// A KV40 clock on the modem lines of a pseudo-terminal, which has none of its own. The line
// shim (libhalvex_lineshim.so, loaded with LD_PRELOAD) answers the program's TIOCMGET, TIOCMBIS
// and TIOCMBIC as a serial driver would, and TIOCMIWAIT and TIOCGICOUNT as the kernel does
// (the wait misses a change made before it began, and returns -1 with EINTR when a signal
// handler runs) or refuses them as a driver without them does. CTS follows each DTR edge
// after a set time.
//
// A program started with HALVEX_LINESHIM_ANSWER_US set plays against it in real time:
//   HALVEX_LINESHIM_ANSWER_US  microseconds from each DTR edge to the clock's answer, or "never"
//   HALVEX_LINESHIM_WAITS      "line" (the default), or "einval" / "enotty" to refuse the waits
//   HALVEX_LINESHIM_REPORT     a file the counts and the bytes received go to at exit
// A test in the same process plays it through the functions below.

#include <cstdint>

extern "C" {

struct LineShimClock {
    int refuseWaits = 0;       // 0: TIOCMIWAIT and TIOCGICOUNT work; else the errno they fail with
    std::int64_t answerNs = 0; // from each DTR edge to the answer; -1: no answer ever
    std::int64_t firstAnswerNs = -2; // the same for the first DTR rise alone; -2: as answerNs
    bool answerAfterRead = false; // the first DTR rise is answered just after the next status read
    bool testTime = false; // time is what halvex_lineshim_set_now_ms() said, not the system's
};

struct LineShimCounts {
    long statusReads = 0; // TIOCMGET
    long countReads = 0;  // TIOCGICOUNT, refused ones included
    long lineWaits = 0;   // TIOCMIWAIT, refused ones included
    long interrupted = 0; // waits ended by a signal handler
    long dtrRises = 0;
    int bytes = 0; // bytes received completely, byte 122 of the frame first
    unsigned char received[123] = {};
    std::int64_t firstRiseNs = 0;  // CLOCK_MONOTONIC of the first DTR rise
    std::int64_t lastAnswerNs = 0; // of the last change of CTS
    std::int64_t releaseNs = 0;    // of the last line change: RTS on, DTR off after the send
};

void halvex_lineshim_play(const LineShimClock* clock);
void halvex_lineshim_stop();
void halvex_lineshim_set_now_ms(std::uint32_t ms);
void halvex_lineshim_counts(LineShimCounts* counts);
int halvex_lineshim_waiting(); // threads inside TIOCMIWAIT now
}
