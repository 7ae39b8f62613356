#pragma once
// Files held in memory in place of the disk, for drivers that run the
// readers many thousand times a second (the fuzz targets). While a path is
// held, the data file container (TTextFile, TRecFile), the INI reader and
// the existence checks of paths.h see a file with the held bytes at that
// path, and writes to it change the bytes; a held file takes no lock and
// writes no journal. Nothing else changes: a path that is not held goes to
// the disk as before, and the program itself holds no file.

#include <string>
#include <string_view>

namespace tq {

// Holds BYTES as the file at PATH (backslashes are folder separators, as
// everywhere), replacing what was held there.
void HoldFile(std::string_view path, std::string_view bytes);
// Lets the file at PATH go; false when none was held there. Not while it is open.
bool ReleaseHeldFile(std::string_view path);
// Lets every held file go; no held file may be open then.
void ReleaseHeldFiles();
// The bytes held at PATH, or nullptr; costs one test while nothing is held.
std::string* HeldFile(std::string_view path);

}  // namespace tq
