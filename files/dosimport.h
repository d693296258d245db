#pragma once

#include "files/datafile.h"
#include "files/rawfile.h"
#include "model/setsbuffer.h"

#include <string>

// A file of the DOS edition (*.qdv) is a data file without its first 13 bytes: its byte k is
// image byte k + 13. Its first byte lands on byte 13, which the import clears again, so the step
// table of the 16-step layout starts at its byte 1 and bytes 122..199 follow the annual table.
constexpr int DosFileOffset = 13;
constexpr int DosFileLength = DataFileLength - DosFileOffset; // 187

// The import clears the whole header, byte 13 included: the layout becomes 16 steps and
// 10 annuals, and DST, Relay, EL Lamp and Pulse are reset.
constexpr int DosImportClearedBytes = 14;

// Puts the first 187 bytes of the file into bytes 13..199 (a shorter file only the bytes it
// holds) and then clears bytes 0..13. An empty file still clears them. On a failure the buffer
// is left exactly as it was. The settings block is never touched.
FileResult ImportDosVersionFile(SetsBuffer& buffer, const std::string& path);
