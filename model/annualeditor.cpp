#include "model/annualeditor.h"

#include "model/controlitems.h"

namespace {
constexpr int DstItemCount = 2;
constexpr int PulseItemCount = 100;
} // namespace

AnnualControls LoadAnnualControls(const SetsBuffer& buffer, const BufferLayout& layout, int annual)
{
    const AnnualRecord record = ReadAnnual(buffer, layout, annual);
    AnnualControls shown;
    shown.annual = annual;
    for (int f = 0; f < AnnualFieldCount; ++f) {
        const auto field = static_cast<AnnualField>(f);
        shown.dates[static_cast<std::size_t>(f)] =
            ItemFor(record.value(field), DateItemCounts[static_cast<std::size_t>(f)]);
    }
    return shown;
}

StatusControls LoadStatusControls(const SetsBuffer& buffer)
{
    // The DST byte is taken as a signed index limited to the list: any positive value shows
    // "Yes" (the editor itself writes 3), a negative one shows neither item.
    const int dst = static_cast<signed char>(buffer[DstByte]);

    StatusControls shown;
    shown.dst = dst < 0 ? NoItem : (dst == 0 ? 0 : 1);
    static_assert(DstItemCount == 2);
    shown.relay = (buffer[FlagsByte] & RelayBit) ? 1 : 0;
    shown.elLamp = (buffer[FlagsByte] & ElLampBit) ? 1 : 0;
    shown.pulse = ItemFor(BcdToBinary(buffer[PulseByte]), PulseItemCount);
    return shown;
}

void SetAnnualField(SetsBuffer& buffer, const BufferLayout& layout, int annual, AnnualField field,
                    int value)
{
    buffer[AnnualOffset(layout, annual) + field] = BinaryToBcd(value);
}

void SetDst(SetsBuffer& buffer, bool yes)
{
    buffer[DstByte] = yes ? DstYes : 0;
}

namespace {

void SetFlag(SetsBuffer& buffer, Byte bit, bool on)
{
    Byte& flags = buffer[FlagsByte];
    flags = static_cast<Byte>((flags & ~bit) | (on ? bit : 0));
}

} // namespace

void SetRelayOn(SetsBuffer& buffer, bool on)
{
    SetFlag(buffer, RelayBit, on);
}

void SetElLampOn(SetsBuffer& buffer, bool on)
{
    SetFlag(buffer, ElLampBit, on);
}

void SetPulse(SetsBuffer& buffer, int pulse)
{
    buffer[PulseByte] = BinaryToBcd(pulse);
}
