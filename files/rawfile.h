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
// full disk or a lost folder never leaves a cut-off file behind. A failure removes the new file.
FileResult ReplaceFile(const std::string& path, std::span<const Byte> bytes);

bool FileExists(const std::string& path);
