#include "files/datafile.h"

#include "model/translation.h"

#include <algorithm>

#include <sys/stat.h>

namespace {

constexpr std::string_view NotANameOfAFile[] = {"", ".", ".."};

constexpr auto WrongSizeOne =
    TranslatableText("FileErrors", "%s is %lld byte; a program file is %d.");
constexpr auto WrongSize =
    TranslatableText("FileErrors", "%s is %lld bytes; a program file is %d.");

// Where the extension starts within a file name, or npos when the name has none.
std::size_t ExtensionStart(std::string_view name)
{
    const std::size_t firstNonDot = name.find_first_not_of('.');
    if (firstNonDot == std::string_view::npos)
        return std::string_view::npos;
    return name.find('.', firstNonDot);
}

std::size_t NameStart(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? 0 : slash + 1;
}

// Characters, not bytes, as a person counts them: a UTF-8 name's continuation bytes do not
// count. (A name in no valid UTF-8 counts each byte that is no continuation byte.)
std::size_t CharacterCount(std::string_view text)
{
    return static_cast<std::size_t>(std::ranges::count_if(
        text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

std::optional<std::string> ApplyDataFileExtension(std::string_view path)
{
    const std::size_t nameStart = NameStart(path);
    const std::string_view name = path.substr(nameStart);
    if (std::ranges::find(NotANameOfAFile, name) != std::end(NotANameOfAFile))
        return std::nullopt;
    const std::size_t dot = ExtensionStart(name);
    std::string named(dot == std::string_view::npos ? path : path.substr(0, nameStart + dot));
    named += DataFileExtension;
    if (CharacterCount(named) > MaxDataFilePathLength)
        return std::nullopt;
    return named;
}

std::string DataFileToOpen(const std::string& chosen)
{
    if (FileExists(chosen))
        return chosen;
    const std::string_view name = std::string_view(chosen).substr(NameStart(chosen));
    if (name.empty() || ExtensionStart(name) != std::string_view::npos)
        return chosen;
    std::string named = chosen + std::string(DataFileExtension);
    return FileExists(named) ? named : chosen;
}

FileResult SaveDataFile(const SetsBuffer& buffer, const std::string& path)
{
    return ReplaceFile(path, std::span(buffer.data(), DataFileLength));
}

FileResult LoadDataFile(SetsBuffer& buffer, const std::string& path)
{
    const ReadResult read = ReadFileStart(path, DataFileLength);
    if (read.result != FileResult::Done)
        return read.result;
    std::ranges::copy(read.bytes, buffer.bytes.begin());
    return FileResult::Done;
}

std::string LoadProgramFile(SetsBuffer& buffer, const std::string& path)
{
    const ReadResult read = ReadFileStart(path, DataFileLength + 1);
    if (read.result != FileResult::Done)
        return DescribeFileResult(read.result, path);
    if (read.bytes.size() != DataFileLength) {
        struct stat info {};
        const long long size = ::stat(path.c_str(), &info) == 0
                                   ? static_cast<long long>(info.st_size)
                                   : static_cast<long long>(read.bytes.size());
        return FormatText(Translate(size == 1 ? WrongSizeOne : WrongSize).c_str(), path.c_str(),
                          size, int(DataFileLength));
    }
    std::ranges::copy(read.bytes, buffer.bytes.begin());
    return {};
}
