#pragma once

#include "model/setsbuffer.h"

#include <string>

// The settings file keeps the settings block (bytes 200..209: the COM port and nine bytes kept
// as they are) between runs. It sits in the working directory under this name.
inline const std::string SettingsFileName = "halvex.dat";

// Byte 200 holds the COM port in its low three bits: 0..7 for COM1..COM8. The upper five bits
// mean nothing and every reader masks them off.
constexpr int PortByte = SettingsBlockOffset;
constexpr Byte PortIndexMask = 0x07;

// Reads at most the 10 bytes of the block from the file. A missing, unreadable or short file is
// not an error: the bytes not read keep what they hold (zero at start-up).
void LoadSettingsBlock(SetsBuffer& buffer, const std::string& path = SettingsFileName);

// Replaces the file with exactly the 10 bytes of the block, 201..209 as they came. Returns false
// when the file could not be created or written completely.
[[nodiscard]] bool SaveSettingsBlock(const SetsBuffer& buffer,
                                     const std::string& path = SettingsFileName);

// The chosen port, 0 for COM1 .. 7 for COM8.
int PortIndex(const SetsBuffer& buffer);

// The user's pick replaces the whole port byte with the index, upper bits included.
void ChoosePort(SetsBuffer& buffer, int index);

// "COM1".."COM8", the name the transfer opens.
std::string PortName(const SetsBuffer& buffer);
