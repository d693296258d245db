#pragma once

#include "model/setsbuffer.h"

#include <array>

// What the annual editor's controls show, as item indices (NoItem for none): the annual's
// number and its six date lists StartMonth .. EndYear.
struct AnnualControls {
    int AnnualBox = 0;
    std::array<int, AnnualFieldCount> dates{};

    friend bool operator==(const AnnualControls&, const AnnualControls&) = default;
};

// Items in each date list, StartMonth .. EndYear. The blank last items of the day lists and of
// the start year stand for 32 and 100; the end year has no blank item.
constexpr std::array<int, AnnualFieldCount> DateItemCounts{13, 33, 101, 13, 33, 100};

AnnualControls LoadAnnualControls(const SetsBuffer& buffer, const BufferLayout& layout, int annual);

// What the four status controls show, as item indices (NoItem for none).
struct StatusControls {
    int DSTBox = 0;   // "No", "Yes"
    int RelayBox = 0; // "Off", "On"
    int ELBox = 0;    // "Off", "On"
    int PulseBox = 0; // "OFF", "1".."99"

    friend bool operator==(const StatusControls&, const StatusControls&) = default;
};

StatusControls LoadStatusControls(const SetsBuffer& buffer);
