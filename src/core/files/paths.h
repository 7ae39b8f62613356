#pragma once
// Paths as the program's files and INI values write them: a backslash is a
// folder separator. Opening an existing file tolerates a name that differs
// only in letter case, since the material names the same file both
// "Userbase.kl4" and "userbase.kl4".

#include <string>
#include <string_view>
#include <vector>

namespace tq {

// The path in this platform's form: backslashes become slashes.
std::string NativePath(std::string_view path);
// The path of an existing file or folder: the exact name when it exists,
// otherwise the first entry of its folder whose name differs only in letter
// case; the native form of the path when neither exists.
std::string ResolveExisting(std::string_view path);
bool FileExists(std::string_view path);
bool DirectoryExists(std::string_view path);
// Creates the folder and all missing parents; true when it exists afterwards.
bool ForceDirectories(std::string_view path);
bool CopyFileTo(std::string_view from, std::string_view to);
// Moves a file, never replacing one; onto another file system the file is
// copied, the copy checked and the original removed.
bool MoveFileTo(std::string_view from, std::string_view to);
bool DeleteFileAt(std::string_view path);
// Makes the file readable and writable by its owner (the "normal" attributes).
bool SetNormalAttributes(std::string_view path);
// The folder part of a path, with its separator ("a\b\c.txt" -> "a\b\").
std::string ExtractFilePath(std::string_view path);
// The name part after the last separator.
std::string ExtractFileName(std::string_view path);
// Appends a backslash unless the path already ends with a separator.
std::string IncludeTrailingBackslash(std::string_view path);
// Names of the ordinary files of a folder matching a mask of "*" and "?"
// (letters compared ignoring case), sorted by name ignoring case.
std::vector<std::string> MatchFiles(std::string_view mask);
bool MatchesMask(std::string_view name, std::string_view mask);

}  // namespace tq
