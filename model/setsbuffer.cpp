#include "model/setsbuffer.h"

BufferLayout LayoutOf(const SetsBuffer& buffer)
{
    return (buffer[FlagsByte] & LayoutBit) ? ThirtyStepLayout : SixteenStepLayout;
}

int BcdToBinary(Byte b)
{
    return (b >> 4) * 10 + (b & 0x0F);
}

Byte BinaryToBcd(int v)
{
    // The remainder keeps the sign of v and both divisions truncate, so -1 gives 0xFF; the
    // caller keeps the low eight bits.
    const int r = v % 256;
    return static_cast<Byte>(((r / 10) * 16 + r % 10) & 0xFF);
}

StepRecord ReadStep(const SetsBuffer& buffer, int step)
{
    const int at = StepOffset(step);
    return {buffer[at], buffer[at + 1], buffer[at + 2]};
}

void WriteStep(SetsBuffer& buffer, int step, const StepRecord& record)
{
    const int at = StepOffset(step);
    buffer[at] = record.time;
    buffer[at + 1] = record.minute;
    buffer[at + 2] = record.day;
}

AnnualRecord ReadAnnual(const SetsBuffer& buffer, const BufferLayout& layout, int annual)
{
    AnnualRecord record;
    const int at = AnnualOffset(layout, annual);
    for (int k = 0; k < AnnualRecordSize; ++k)
        record.bytes[static_cast<std::size_t>(k)] = buffer[at + k];
    return record;
}

std::optional<int> DayCodeIndex(Byte mask)
{
    for (std::size_t i = 0; i < DayCodeTable.size(); ++i) {
        if (DayCodeTable[i].mask == mask)
            return static_cast<int>(i);
    }
    return std::nullopt;
}
