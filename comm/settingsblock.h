#pragma once

#include "files/rawfile.h"
#include "model/setsbuffer.h"

#include <string>

// The settings file keeps the settings block (bytes 200..209: the COM port and nine bytes kept
// as they are) between runs. It sits in the working directory under this name.
inline const std::string SettingsFileName = "halvex.dat";

// Byte 200 holds the COM port in its low three bits: 0..7 for COM1..COM8. The upper five bits
// mean nothing and every reader masks them off.
constexpr int PortByte = SettingsBlockOffset;
constexpr Byte PortIndexMask = 0x07;

// Reads at most the 10 bytes of the block from the file; the bytes not read keep what they hold
// (zero at start-up). A missing or short file is no error (Done). A file that cannot be read is
// left alone and said (the caller warns): one the user may not read (CannotOpen), a named pipe
// or a device at the name (NotAFile: never opened, so it cannot block), or a link another user
// planted in a shared folder (LinkRefused), as for a save.
FileResult LoadSettingsBlock(SetsBuffer& buffer, const std::string& path = SettingsFileName);

// Replaces the file with exactly the 10 bytes of the block, 201..209 as they came, as a save
// replaces a data file (ReplaceFile): never a cut-off file, never through another user's link,
// never into anything but a plain file.
FileResult SaveSettingsBlock(const SetsBuffer& buffer, const std::string& path = SettingsFileName);

// The chosen port, 0 for COM1 .. 7 for COM8.
int PortIndex(const SetsBuffer& buffer);

// The user's pick replaces the whole port byte with the index, upper bits included.
void ChoosePort(SetsBuffer& buffer, int index);

// "COM1".."COM8", the name the transfer opens.
std::string PortName(const SetsBuffer& buffer);
