#pragma once

#include "files/rawfile.h"
#include "model/setsbuffer.h"
#include "model/undohistory.h"

#include <optional>
#include <string>

// The program a run leaves unsaved is kept for the next run: one data file image,
// "unsaved.40t", in the user's state folder. It is written whole after every change while the
// program is modified, through a new file that replaces the old one (ReplaceFile), so a crash or
// a signal leaves the last image or the one before it, never a cut-off file.
inline constexpr const char* RecoveryFileName = "unsaved.40t";

// $XDG_STATE_HOME/halvex when that is an absolute path, else $HOME/.local/state/halvex; empty
// when neither is known (nothing is kept then). Either argument may be null.
std::string StateFolder(const char* xdgStateHome, const char* home);
// The same from this process's environment.
std::string UserStateFolder();

std::string RecoveryFilePath(const std::string& folder);

// Writes the image, making the folder (and its parents, for the user alone) when it is missing.
FileResult WriteRecoveryFile(const std::string& folder, const ProgramImage& image);
// The kept image; nothing when there is no file or it is not exactly a program's size.
std::optional<ProgramImage> ReadRecoveryFile(const std::string& folder);
FileResult RemoveRecoveryFile(const std::string& folder); // a missing file is removed already

// The one file between the runs. At start it offers what an earlier run left. While this run's
// program is modified, the file holds it; once nothing of this run is unsaved, the file goes
// back to what the earlier run left unless that has been taken, so no run's unsaved program is
// lost by another run that merely started.
class RecoveryKeeper {
public:
    explicit RecoveryKeeper(std::string folder);

    const std::optional<ProgramImage>& offered() const { return offer; }
    // The earlier run's image, handed over once; the caller makes it this run's program.
    std::optional<ProgramImage> takeOffer();

    FileResult keepUnsaved(const ProgramImage& image);
    FileResult nothingUnsaved();

private:
    std::string folder;
    std::optional<ProgramImage> offer;
    bool holdsThisRun = false; // the file holds this run's program
};
