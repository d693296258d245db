#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

using Byte = std::uint8_t;

// The clock's program as the clock stores it: packed-BCD values and single-bit flags sharing
// bytes. The same bytes are the memory image, the data file and the frame sent to the clock.
constexpr int SetsBufferSize = 210;

// Header bytes.
constexpr int FlagsByte = 0;
constexpr int ChecksumByte = 1;
constexpr int PulseByte = 2;
constexpr int DstByte = 10;

// Bits of the flags byte. Bits 1 and 3..6 have no control and are kept as they are.
constexpr Byte LayoutBit = 0x01; // 0 = 16 steps and 10 annuals, 1 = 30 steps and 3 annuals
constexpr Byte ElLampBit = 0x04;
constexpr Byte RelayBit = 0x80;

constexpr int StepTableOffset = 14;
constexpr int StepRecordSize = 3;
constexpr int AnnualRecordSize = 6;
constexpr int TablesEnd = 122; // both layouts end the annual table at byte 121

constexpr int SettingsBlockOffset = 200;
constexpr int SettingsBlockSize = 10;

struct SetsBuffer {
    std::array<Byte, SetsBufferSize> bytes{};

    Byte& operator[](int i) { return bytes.at(static_cast<std::size_t>(i)); }
    Byte operator[](int i) const { return bytes.at(static_cast<std::size_t>(i)); }
    Byte* data() { return bytes.data(); }
    const Byte* data() const { return bytes.data(); }

    friend bool operator==(const SetsBuffer&, const SetsBuffer&) = default;
};

struct BufferLayout {
    int stepCount = 16;
    int annualCount = 10;
    int stepTableOffset = StepTableOffset;
    int annualTableOffset = StepTableOffset + StepRecordSize * 16;

    friend bool operator==(const BufferLayout&, const BufferLayout&) = default;
};

constexpr BufferLayout SixteenStepLayout{16, 10, StepTableOffset,
                                         StepTableOffset + StepRecordSize * 16};
constexpr BufferLayout ThirtyStepLayout{30, 3, StepTableOffset,
                                        StepTableOffset + StepRecordSize * 30};

// The layout that bit 0 of the flags byte selects. Changing the bit moves no data: the same
// bytes are read under the other layout.
BufferLayout LayoutOf(const SetsBuffer& buffer);

// Packed BCD, one byte for two decimal digits. Nibbles above 9 are not rejected: the clock's
// files can hold them, and they decode by the same formula (0xA0 gives 100).
int BcdToBinary(Byte b);
Byte BinaryToBcd(int v);

// A step: byte 0 holds Pm in bit 7 and the hour 1..12 (0 = cleared) in bits 0..6; byte 1 the
// minute; byte 2 the relay in bit 7 and the day mask in bits 0..6.
constexpr Byte PmBit = 0x80;
constexpr Byte HourMask = 0x7F;
constexpr Byte StepRelayBit = 0x80;
constexpr Byte DayMaskBits = 0x7F;

// Day bytes written when a step is shown: a mask that is no day code becomes "Sun" with the
// relay Off, and a cleared Am step being edited becomes "Wdy" with the relay Off.
constexpr Byte UnknownDayCodeReplacement = 0x01;
constexpr Byte ClearedStepDayCode = 0x3E;

struct StepRecord {
    Byte time = 0;
    Byte minute = 0;
    Byte day = 0;

    bool cleared() const { return (time & HourMask) == 0; }
    bool pm() const { return (time & PmBit) != 0; }
    bool relayOn() const { return (day & StepRelayBit) != 0; }
    int hour() const { return BcdToBinary(time & HourMask); }
    int minutes() const { return BcdToBinary(minute); }
    Byte dayMask() const { return day & DayMaskBits; }
};

constexpr int StepOffset(int step)
{
    return StepTableOffset + StepRecordSize * step;
}
StepRecord ReadStep(const SetsBuffer& buffer, int step);
void WriteStep(SetsBuffer& buffer, int step, const StepRecord& record);

// An annual: six packed-BCD bytes, start month/day/year then end month/day/year.
enum AnnualField {
    StartMonthField,
    StartDayField,
    StartYearField,
    EndMonthField,
    EndDayField,
    EndYearField,
    AnnualFieldCount
};

struct AnnualRecord {
    std::array<Byte, AnnualRecordSize> bytes{};

    int value(AnnualField f) const { return BcdToBinary(bytes[static_cast<std::size_t>(f)]); }
    bool cleared() const { return value(StartMonthField) == 0; }
};

inline int AnnualOffset(const BufferLayout& layout, int annual)
{
    return layout.annualTableOffset + AnnualRecordSize * annual;
}
AnnualRecord ReadAnnual(const SetsBuffer& buffer, const BufferLayout& layout, int annual);

// The ten day codes, in the order of the day list; a mask is looked up by equality.
struct DayCode {
    std::string_view name;
    Byte mask;
};

constexpr std::array<DayCode, 10> DayCodeTable{{
    {"Wdy", 0x3E},
    {"Wnd", 0x41},
    {"Edy", 0x7F},
    {"Sun", 0x01},
    {"Mon", 0x02},
    {"Tue", 0x04},
    {"Wed", 0x08},
    {"Thu", 0x10},
    {"Fri", 0x20},
    {"Sat", 0x40},
}};

std::optional<int> DayCodeIndex(Byte mask);

// The records the editors show and change, and the layout in force. Two independent indices:
// choosing a step never moves the annual and the other way round.
struct EditState {
    BufferLayout layout = SixteenStepLayout;
    int currentStep = 0;
    int currentAnnual = 0;
};
