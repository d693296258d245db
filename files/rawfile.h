#pragma once

#include "model/setsbuffer.h"

#include <span>
#include <string>
#include <vector>

// How a file operation ended. Every file command looks at it: anything but Done is shown to the
// user as a file error, with the words DescribeFileResult gives.
enum class [[nodiscard]] FileResult{
    Done,
    CannotOpen,    // the file is missing or cannot be opened for reading
    ReadFailed,    // it opened but could not be read (a device error)
    CannotCreate,  // no new file can be made in the folder (missing, read-only, not a folder)
    WriteFailed,   // the new contents were not all written and flushed to disk
    CannotReplace, // the new file was complete but could not take the old one's place
    CannotRemove,  // the file is there and could not be removed
    LinkRefused,   // a link someone else made in a folder everyone may write in: not followed
    NotAFile,      // a folder, device, named pipe or socket stands at the name
};

struct ReadResult {
    FileResult result = FileResult::Done;
    std::vector<Byte> bytes; // what the file holds, at most the number of bytes asked for
};

// Reads the first maxBytes bytes of a plain file, or all of a shorter one. The end of the file is
// no error: an empty file gives no bytes and Done. Anything else at the name (a folder, a device,
// a named pipe) is not opened at all: opening a serial device would raise its lines, and a pipe
// with no writer would wait for ever.
ReadResult ReadFileStart(const std::string& path, std::size_t maxBytes);

// Gives the file exactly these contents, or leaves it as it was. The bytes go to a new file in
// the same folder, which takes the old file's place only once all of them are on the disk, so a
// full disk or a lost folder never leaves a cut-off file behind; a failure removes the new file.
// A replaced file keeps its mode, owner and group where the user may keep them. A symbolic
// link is followed and kept (the file it points to is written), except a link that another user
// made in a folder everyone may write in (a sticky one such as /tmp): as the kernel does for its
// own protected links, it is followed only when it is the user's or the folder owner's, else
// refused (LinkRefused). Nothing but a plain file is ever replaced or written into: a device, a
// named pipe, a socket or a folder at the name is refused (NotAFile). A file with more than one
// name (hard links), or one in a folder the user may not write in, is written in place, and its
// old contents are written back should the new ones fail. A file the user may not write is
// refused (CannotCreate), though its folder would let a new file take its place.
FileResult ReplaceFile(const std::string& path, std::span<const Byte> bytes);

// The file a write to path reaches once its symbolic links are followed under the rule above
// (a link to nothing names the file to create), or LinkRefused with the link not followed.
struct LinkTarget {
    FileResult result = FileResult::Done;
    std::string file;
};
LinkTarget FollowLinks(const std::string& path);

bool FileExists(const std::string& path);

// True when both names lead to one file (the same inode), links followed.
bool SameFile(const std::string& a, const std::string& b);

// What a folder, a device or the like at a name is, in words ("a named pipe"); "a file" for a
// plain file and "nothing" where there is nothing.
std::string KindOfFile(const std::string& path);

// Why an operation on path ended with this result, for a person: one or two sentences that name
// the file, looked up again on the disk where that tells more (the link's owner, what stands
// at the name, whether the folder exists). Empty for Done.
std::string DescribeFileResult(FileResult result, const std::string& path);
