#include "comm/settingsblock.h"

#include <cstdio>

void LoadSettingsBlock(SetsBuffer& buffer, const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return; // no settings file yet: COM1 and zeros, nothing to report
    // Whatever the read returns, the bytes it did not reach keep their values.
    (void)std::fread(buffer.data() + SettingsBlockOffset, 1, SettingsBlockSize, file);
    std::fclose(file);
}
