#pragma once

#include "files/rawfile.h"
#include "model/setsbuffer.h"

#include <optional>
#include <string>
#include <string_view>

// A data file (*.40t) holds bytes 0..199 of the clock image byte for byte: no header, no length,
// no checksum of its own. The flags byte travels with it, so a file brings its layout along. The
// settings block (bytes 200..209) never goes into a data file: loading one keeps the COM port.
constexpr int DataFileLength = 200;

inline constexpr std::string_view DataFileExtension = ".40t";

// The longest path, new extension included, that a data file may be given, in characters.
constexpr std::size_t MaxDataFilePathLength = 255;

// The chosen path with the extension ".40t": the first "." of the file name and everything after
// it give way to ".40t", or ".40t" is appended when the name has no ".". Only the last path
// component is looked at, so a "." in a folder name never cuts the path short. Leading dots make
// a hidden file's name, not an extension: ".profile" becomes ".profile.40t". Returns nothing
// when no data file name can be made: an empty name, "." or "..", or a result longer than
// MaxDataFilePathLength characters (a UTF-8 name's bytes may be more).
std::optional<std::string> ApplyDataFileExtension(std::string_view path);

// The file that Load opens for a chosen path: the path itself, or, when no file of that name
// exists and the name has no extension, the same name with ".40t" if that one exists (the name
// Save gave to what the user typed).
std::string DataFileToOpen(const std::string& chosen);

// Writes bytes 0..199 as a data file of exactly 200 bytes. On any failure the file that was
// there is left exactly as it was.
FileResult SaveDataFile(const SetsBuffer& buffer, const std::string& path);

// Puts the first 200 bytes of a file into bytes 0..199. A shorter file replaces only the bytes
// it holds; an empty one replaces none and still counts as loaded. On a failure the buffer is
// left exactly as it was.
FileResult LoadDataFile(SetsBuffer& buffer, const std::string& path);

// The command line is stricter than Load: what it sends, shows, checks or prints must be a
// program file, a plain file of exactly 200 bytes. An empty file, a cut-off one or /dev/zero
// holds no program, and sending it would wipe the clock's. Loads the program and returns
// nothing, or returns why the file is no program ("empty.40t is 0 bytes; a program file is
// 200.") and leaves the buffer as it was.
std::string LoadProgramFile(SetsBuffer& buffer, const std::string& path);
