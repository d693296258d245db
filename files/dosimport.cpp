#include "files/dosimport.h"

#include <algorithm>

FileResult ImportDosVersionFile(SetsBuffer& buffer, const std::string& path)
{
    const ReadResult read = ReadFileStart(path, DosFileLength);
    if (read.result != FileResult::Done)
        return read.result;
    std::ranges::copy(read.bytes, buffer.bytes.begin() + DosFileOffset);
    std::fill_n(buffer.bytes.begin(), DosImportClearedBytes, Byte{0});
    return FileResult::Done;
}
