#pragma once

#include "model/setsbuffer.h"

#include <string>

class LocalClock;

// What the clock receives: bytes 0..122 of the buffer, byte 122 first.
constexpr int ClockFrameSize = 123;

// The header bytes stamped before every transfer.
constexpr int SecondByte = 3;
constexpr int MinuteByte = 4;
constexpr int HourByte = 5;    // 12-hour clock, PmBit set after noon
constexpr int WeekdayByte = 6; // 1 = Sunday .. 7 = Saturday
constexpr int DayByte = 7;
constexpr int MonthByte = 8;
constexpr int YearByte = 9;
constexpr int FrameConstantsOffset = 11; // bytes 11..13 always hold 0x02 0x11 0x01

// The checksum covers bytes 14..120 only. Byte 121, the last byte of the tables, lies outside:
// the clock adds exactly these bytes, so including it would make the clock reject the frame.
constexpr int ChecksumFirstByte = StepTableOffset;
constexpr int ChecksumLastByte = 120;

// Stamps the local date and time (read once), the three constant bytes and the checksum into
// the buffer, where they stay whatever the transfer then does. Returns the name of the port to
// send to, "COM1".."COM8".
std::string PrepareClockFrame(SetsBuffer& buffer, LocalClock& clock);
