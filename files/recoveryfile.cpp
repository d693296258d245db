#include "files/recoveryfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t PrivateFolder = 0700; // what the user was editing is theirs alone

// Makes the folder and any missing parent.
bool MakeFolders(const std::string& folder)
{
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        struct stat info {};
        const bool isFolder = ::stat(part.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        if (!isFolder && ::mkdir(part.c_str(), PrivateFolder) != 0)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

} // namespace

std::string StateFolder(const char* xdgStateHome, const char* home)
{
    // A relative XDG_STATE_HOME is to be ignored, as the base directory rules say.
    if (xdgStateHome && xdgStateHome[0] == '/')
        return std::string(xdgStateHome) + "/halvex";
    if (home && home[0] == '/')
        return std::string(home) + "/.local/state/halvex";
    return {};
}

std::string UserStateFolder()
{
    return StateFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

std::string RecoveryFilePath(const std::string& folder)
{
    return folder + "/" + RecoveryFileName;
}

FileResult WriteRecoveryFile(const std::string& folder, const ProgramImage& image)
{
    if (folder.empty() || !MakeFolders(folder))
        return FileResult::CannotCreate;
    return ReplaceFile(RecoveryFilePath(folder), image);
}

std::optional<ProgramImage> ReadRecoveryFile(const std::string& folder)
{
    if (folder.empty())
        return std::nullopt;
    const ReadResult read = ReadFileStart(RecoveryFilePath(folder), ProgramImageSize + 1);
    if (read.result != FileResult::Done || read.bytes.size() != ProgramImageSize)
        return std::nullopt;
    ProgramImage image;
    std::copy(read.bytes.begin(), read.bytes.end(), image.begin());
    return image;
}

FileResult RemoveRecoveryFile(const std::string& folder)
{
    if (folder.empty())
        return FileResult::Done;
    if (::unlink(RecoveryFilePath(folder).c_str()) != 0 && errno != ENOENT)
        return FileResult::CannotRemove;
    return FileResult::Done;
}

RecoveryKeeper::RecoveryKeeper(std::string folder)
    : folder(std::move(folder))
    , offer(ReadRecoveryFile(this->folder))
{
}

std::optional<ProgramImage> RecoveryKeeper::takeOffer()
{
    std::optional<ProgramImage> taken;
    taken.swap(offer);
    // Taken, the earlier run's program is this run's: the file is looked after as this run's.
    holdsThisRun = holdsThisRun || taken.has_value();
    return taken;
}

FileResult RecoveryKeeper::keepUnsaved(const ProgramImage& image)
{
    const FileResult result = WriteRecoveryFile(folder, image);
    holdsThisRun = holdsThisRun || result == FileResult::Done;
    return result;
}

FileResult RecoveryKeeper::nothingUnsaved()
{
    if (!holdsThisRun)
        return FileResult::Done; // the file is the earlier run's, or there is none
    const FileResult result =
        offer ? WriteRecoveryFile(folder, *offer) : RemoveRecoveryFile(folder);
    holdsThisRun = holdsThisRun && result != FileResult::Done;
    return result;
}
