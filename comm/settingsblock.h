#pragma once

#include "model/setsbuffer.h"

#include <string>

// The settings file keeps the settings block (bytes 200..209: the COM port and nine bytes kept
// as they are) between runs. It sits in the working directory under this name.
inline const std::string SettingsFileName = "halvex.dat";

// Reads at most the 10 bytes of the block from the file. A missing, unreadable or short file is
// not an error: the bytes not read keep what they hold (zero at start-up).
void LoadSettingsBlock(SetsBuffer& buffer, const std::string& path = SettingsFileName);
