#pragma once

#include "files/rawfile.h"
#include "model/setsbuffer.h"
#include "model/undohistory.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Every running window keeps the program it has unsaved in a file of its own in the user's state
// folder: "unsaved.40t" for the first, "unsaved-2.40t", "unsaved-3.40t" and so on when others
// run at the same time. A window holds its file with a lock (an flock on a hidden lock file
// beside it, ".unsaved.40t.lock") for as long as it runs, so no other window writes, offers or
// removes it. The file is written whole after every change while the program is modified,
// through a new file that replaces the old one (ReplaceFile), so a crash or a signal leaves the
// last image or the one before it, never a cut-off file; once nothing is unsaved it is removed.
// A kept program that no running window holds was left by a window that ended with it unsaved:
// every window offers it until one takes it.

// $XDG_STATE_HOME/halvex when that is an absolute path, else $HOME/.local/state/halvex; empty
// when neither is known (nothing is kept then). Either argument may be null.
std::string StateFolder(const char* xdgStateHome, const char* home);
// The same from this process's environment.
std::string UserStateFolder();

// A kept program that no running window holds.
struct KeptProgram {
    std::string path;
    std::int64_t keptAt = 0; // when it was last written, in seconds since 1970 (UTC)
    ProgramImage image{};
};

// The kept programs in the folder that no running window holds, the newest first. Files of
// another size than a program's are no kept programs.
std::vector<KeptProgram> FindKeptPrograms(const std::string& folder);

// One window's own kept program.
class RecoveryKeeper {
public:
    explicit RecoveryKeeper(std::string folder);
    ~RecoveryKeeper(); // lets the file go: it stays, for recovery, if it holds a program
    RecoveryKeeper(const RecoveryKeeper&) = delete;
    RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

    const std::string& folder() const { return stateFolder; }

    // Writes the image to this window's own file, making the folder (and its parents, for the
    // user alone) and taking a free file name and its lock on the first call.
    FileResult keepUnsaved(const ProgramImage& image);
    // Nothing of this window is unsaved: its file is removed.
    FileResult nothingUnsaved();

    // Takes a kept program that another window left: locks it, so that no other window takes it
    // too, makes its image this window's own kept program and removes its file. Nothing when
    // another window has taken it since it was found, or it is no longer there.
    std::optional<ProgramImage> take(const KeptProgram& kept);

private:
    bool ownFileIsStillOurs() const;
    void letOwnFileGo();

    std::string stateFolder;
    std::string ownFile; // this window's file, once it has one
    int ownLock = -1;
    // What this window last wrote to its file: a file found there that is not this one was put
    // there by something else (a Save onto the kept file's name) and is left alone.
    struct Written {
        bool valid = false;
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t modifiedNs = 0;
    } written;
};
