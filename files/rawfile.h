#pragma once

#include "model/setsbuffer.h"

#include <span>
#include <string>
#include <vector>

// How a file operation ended. Every file command looks at it: anything but Done is shown to the
// user as a file error.
enum class [[nodiscard]] FileResult{
    Done,
    CannotOpen,    // the file is missing or cannot be opened for reading
    ReadFailed,    // it opened but could not be read (a folder, a device error)
    CannotCreate,  // no new file can be made in the folder (missing, read-only, not a folder)
    WriteFailed,   // the new contents were not all written and flushed to disk
    CannotReplace, // the new file was complete but could not take the old one's place
    CannotRemove,  // the file is there and could not be removed
};

struct ReadResult {
    FileResult result = FileResult::Done;
    std::vector<Byte> bytes; // what the file holds, at most the number of bytes asked for
};

// Reads the first maxBytes bytes of a file, or all of a shorter one. The end of the file is no
// error: an empty file gives no bytes and Done.
ReadResult ReadFileStart(const std::string& path, std::size_t maxBytes);

// Gives the file exactly these contents, or leaves it as it was. The bytes go to a new file in
// the same folder, which takes the old file's place only once all of them are on the disk, so a
// full disk or a lost folder never leaves a cut-off file behind; a failure removes the new file.
// A replaced file keeps its mode, owner and group where the user may keep them. A symbolic
// link is followed and kept: the file it points to is written. A file with more than one name
// (hard links), or one in a folder the user may not write in, is written in place, and its old
// contents are written back should the new ones fail. A file the user may not write is refused
// (CannotCreate), though its folder would let a new file take its place.
FileResult ReplaceFile(const std::string& path, std::span<const Byte> bytes);

bool FileExists(const std::string& path);
