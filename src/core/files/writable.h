#pragma once
// Whether the program may write where it keeps its files: a folder on a
// read-only medium or share, or one the student has no rights to, is found
// before anything is written there, so the program can say so once and go on
// reading.

#include <string>
#include <string_view>

namespace tq {

// Whether a file can be created in the folder (tried with a probe file that
// is removed at once).
bool CanWriteFolder(std::string_view folder);
// Whether an existing file can be opened for writing; true when it is missing.
bool CanWriteFile(std::string_view path);

}  // namespace tq
