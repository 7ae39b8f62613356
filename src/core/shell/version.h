#pragma once
// The program's version strings, written into every error log entry.

namespace tq {

inline constexpr const char* kVersion = "5.0";
inline constexpr const char* kBuild = "290";
inline constexpr const char* kBuildYear = "2005";
inline constexpr const char* kBuildDate = "2008-05-04";

}  // namespace tq
