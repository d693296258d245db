#include "comm/settingsblock.h"

#include "model/translation.h"

#include <algorithm>
#include <stdexcept>

FileResult LoadSettingsBlock(SetsBuffer& buffer, const std::string& path)
{
    const LinkTarget target = FollowLinks(path);
    if (target.result != FileResult::Done)
        return target.result;
    if (!FileExists(target.file))
        return FileResult::Done; // no settings file yet: COM1 and zeros, nothing to report
    const ReadResult read = ReadFileStart(target.file, SettingsBlockSize);
    if (read.result != FileResult::Done)
        return read.result;
    std::copy(read.bytes.begin(), read.bytes.end(), buffer.bytes.begin() + SettingsBlockOffset);
    return FileResult::Done;
}

FileResult SaveSettingsBlock(const SetsBuffer& buffer, const std::string& path)
{
    return ReplaceFile(path, std::span(buffer.data() + SettingsBlockOffset, SettingsBlockSize));
}

int PortIndex(const SetsBuffer& buffer)
{
    return buffer[PortByte] & PortIndexMask;
}

void ChoosePort(SetsBuffer& buffer, int index)
{
    if (index < 0 || index > PortIndexMask)
        throw std::out_of_range(
            FormatText(Translate("Settings", "There is no COM%d to choose.").c_str(), index + 1));
    buffer[PortByte] = static_cast<Byte>(index);
}

std::string PortName(const SetsBuffer& buffer)
{
    return "COM" + std::to_string(PortIndex(buffer) + 1);
}
