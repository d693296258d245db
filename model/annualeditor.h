#pragma once

#include "model/setsbuffer.h"

#include <array>

// What the annual editor's controls show, as item indices (NoItem for none): the annual's
// number and its six date lists, start month .. end year.
struct AnnualControls {
    int annual = 0;
    std::array<int, AnnualFieldCount> dates{};

    friend bool operator==(const AnnualControls&, const AnnualControls&) = default;
};

// Items in each date list, start month .. end year. The blank last items of the day lists
// and of the start year stand for 32 and 100; the end year has no blank item.
constexpr std::array<int, AnnualFieldCount> DateItemCounts{13, 33, 101, 13, 33, 100};

AnnualControls LoadAnnualControls(const SetsBuffer& buffer, const BufferLayout& layout, int annual);

// What the four status controls show, as item indices (NoItem for none).
struct StatusControls {
    int dst = 0;    // "No", "Yes"
    int relay = 0;  // "Off", "On"
    int elLamp = 0; // "Off", "On"
    int pulse = 0;  // "OFF", "1".."99"

    friend bool operator==(const StatusControls&, const StatusControls&) = default;
};

StatusControls LoadStatusControls(const SetsBuffer& buffer);

// The annual editor's writer: one byte of the record, as the BCD of the chosen item's index.
// Dates are not validated: day 31 of a short month or an end before the start are kept.
void SetAnnualField(SetsBuffer& buffer, const BufferLayout& layout, int annual, AnnualField field,
                    int value);

// The status writers. Those of the flags byte change only their own bit.
constexpr Byte DstYes = 3; // what the clock expects for "Yes"; 1 is shown as "Yes" too
void SetDst(SetsBuffer& buffer, bool yes);
void SetRelayOn(SetsBuffer& buffer, bool on);
void SetElLampOn(SetsBuffer& buffer, bool on);
void SetPulse(SetsBuffer& buffer, int pulse); // 0 = "OFF"
