#include "comm/settingsblock.h"

#include <cstdio>
#include <stdexcept>

void LoadSettingsBlock(SetsBuffer& buffer, const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return; // no settings file yet: COM1 and zeros, nothing to report
    // Whatever the read returns, the bytes it did not reach keep their values.
    (void)std::fread(buffer.data() + SettingsBlockOffset, 1, SettingsBlockSize, file);
    std::fclose(file);
}

bool SaveSettingsBlock(const SetsBuffer& buffer, const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    constexpr auto size = static_cast<std::size_t>(SettingsBlockSize);
    const bool written = std::fwrite(buffer.data() + SettingsBlockOffset, 1, size, file) == size;
    // Closing flushes the bytes, so a full disk shows up here.
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

int PortIndex(const SetsBuffer& buffer)
{
    return buffer[PortByte] & PortIndexMask;
}

void ChoosePort(SetsBuffer& buffer, int index)
{
    if (index < 0 || index > PortIndexMask)
        throw std::out_of_range("There is no COM" + std::to_string(index + 1) + " to choose.");
    buffer[PortByte] = static_cast<Byte>(index);
}

std::string PortName(const SetsBuffer& buffer)
{
    return "COM" + std::to_string(PortIndex(buffer) + 1);
}
