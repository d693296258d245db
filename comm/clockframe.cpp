#include "comm/clockframe.h"

#include "comm/localclock.h"
#include "comm/settingsblock.h"

#include <array>
#include <cstdint>

namespace {

constexpr std::array<Byte, 3> FrameConstants{0x02, 0x11, 0x01};

// The clock keeps the hour on the 12-hour dial: 0 is 12 Am, 12 is 12 Pm.
Byte HourOnTheDial(int hour)
{
    const int dial = hour % 12 == 0 ? 12 : hour % 12;
    return static_cast<Byte>(BinaryToBcd(dial) | (hour >= 12 ? PmBit : 0));
}

// Two BCD digits of the year within the century. Past 2099 the clock has no century to carry
// into, so the same formula runs on into the nibbles above 9 (2100 gives 0xA0) and wraps
// every 256 years.
Byte YearInCentury(int year)
{
    // Wide arithmetic: whatever year the computer reports, the subtraction cannot overflow.
    const std::int64_t sinceTwoThousand = ((std::int64_t{year} - 2000) % 256 + 256) % 256;
    return BinaryToBcd(static_cast<int>(sinceTwoThousand));
}

Byte Checksum(const SetsBuffer& buffer)
{
    Byte sum = 0;
    for (int i = ChecksumFirstByte; i <= ChecksumLastByte; ++i)
        sum = static_cast<Byte>(sum + buffer[i]);
    return static_cast<Byte>(0xFF - sum);
}

} // namespace

std::string PrepareClockFrame(SetsBuffer& buffer, LocalClock& clock)
{
    const LocalDateTime now = clock.now();
    buffer[SecondByte] = BinaryToBcd(now.second);
    buffer[MinuteByte] = BinaryToBcd(now.minute);
    buffer[HourByte] = HourOnTheDial(now.hour);
    // Sunday is day 1. The sum runs in unsigned arithmetic, so no reading can overflow it, and
    // its low eight bits are the same as for the plain sum.
    buffer[WeekdayByte] = static_cast<Byte>(static_cast<unsigned>(now.dayOfWeek) + 1u);
    buffer[DayByte] = BinaryToBcd(now.day);
    buffer[MonthByte] = BinaryToBcd(now.month);
    buffer[YearByte] = YearInCentury(now.year);
    for (std::size_t i = 0; i < FrameConstants.size(); ++i)
        buffer[FrameConstantsOffset + static_cast<int>(i)] = FrameConstants[i];
    buffer[ChecksumByte] = Checksum(buffer);
    return PortName(buffer);
}
