#include "model/bufferconfig.h"

#include <algorithm>

namespace {

void Zero(SetsBuffer& buffer, int from, int count)
{
    std::fill_n(buffer.bytes.begin() + from, count, Byte{0});
}

} // namespace

void EraseTables(SetsBuffer& buffer, const BufferLayout& layout, EraseChoice choice)
{
    if (choice.steps)
        Zero(buffer, layout.stepTableOffset, StepRecordSize * layout.stepCount);
    if (choice.annuals)
        Zero(buffer, layout.annualTableOffset, AnnualRecordSize * layout.annualCount);
}

void SetLayoutItem(SetsBuffer& buffer, int item)
{
    Byte& flags = buffer[FlagsByte];
    flags = static_cast<Byte>((flags & ~LayoutBit) | (item == 1 ? LayoutBit : 0));
}

int LayoutItem(const SetsBuffer& buffer)
{
    return buffer[FlagsByte] & LayoutBit;
}
