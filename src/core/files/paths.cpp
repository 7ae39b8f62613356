#include "core/files/paths.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/files/ansi.h"
#include "core/files/held_files.h"

namespace tq {
namespace fs = std::filesystem;

std::string NativePath(std::string_view path) {
  std::string p(path);
  for (char& c : p)
    if (c == '\\') c = '/';
  return p;
}

namespace {

bool Exists(const std::string& native) {
  struct stat st;
  return ::stat(native.c_str(), &st) == 0;
}

bool IsSeparator(char c) {
  return c == '/' || c == '\\';
}

}  // namespace

std::string ResolveExisting(std::string_view path) {
  std::string native = NativePath(path);
  if (native.empty() || HeldFile(native) || Exists(native)) return native;
  std::size_t slash = native.find_last_of('/');
  std::string dir = slash == std::string::npos ? "." : native.substr(0, slash);
  if (dir.empty()) dir = "/";
  std::string name = slash == std::string::npos ? native : native.substr(slash + 1);
  if (name.empty()) return native;
  DIR* d = ::opendir(dir.c_str());
  if (!d) return native;
  std::string found;
  while (dirent* e = ::readdir(d)) {
    if (SameText(e->d_name, name)) {
      found = e->d_name;
      break;
    }
  }
  ::closedir(d);
  if (found.empty()) return native;
  return slash == std::string::npos ? found : native.substr(0, slash + 1) + found;
}

bool FileExists(std::string_view path) {
  if (HeldFile(path)) return true;
  struct stat st;
  return ::stat(ResolveExisting(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(std::string_view path) {
  struct stat st;
  return ::stat(ResolveExisting(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ForceDirectories(std::string_view path) {
  std::error_code ec;
  fs::create_directories(NativePath(path), ec);
  return DirectoryExists(path);
}

bool CopyFileTo(std::string_view from, std::string_view to) {
  std::error_code ec;
  fs::copy_file(ResolveExisting(from), NativePath(to), fs::copy_options::overwrite_existing, ec);
  return !ec;
}

namespace {

bool SameContents(const std::string& a, const std::string& b) {
  std::FILE* fa = std::fopen(a.c_str(), "rb");
  std::FILE* fb = std::fopen(b.c_str(), "rb");
  bool same = fa && fb;
  char ba[8192], bb[8192];
  while (same) {
    const std::size_t na = std::fread(ba, 1, sizeof ba, fa);
    const std::size_t nb = std::fread(bb, 1, sizeof bb, fb);
    same = na == nb && std::memcmp(ba, bb, na) == 0;
    if (na < sizeof ba) break;
  }
  if (same) same = !std::ferror(fa) && !std::ferror(fb);
  if (fa) std::fclose(fa);
  if (fb) std::fclose(fb);
  return same;
}

}  // namespace

bool MoveFileTo(std::string_view from, std::string_view to) {
  std::string target = NativePath(to);
  if (Exists(target) || HeldFile(target)) return false;  // a move never replaces a file
  if (const std::string* held = HeldFile(from)) {
    const std::string bytes = *held;
    ReleaseHeldFile(from);
    HoldFile(target, bytes);
    return true;
  }
  const std::string source = ResolveExisting(from);
  std::error_code ec;
  fs::rename(source, target, ec);
  if (!ec) return true;
  if (ec != std::errc::cross_device_link) return false;
  // Onto another file system (a mounted class folder): copy, check the
  // copy, then remove the original. A failed copy leaves nothing behind; an
  // original that cannot be removed (a read-only program folder) stays.
  fs::copy_file(source, target, fs::copy_options::none, ec);
  if (ec || !SameContents(source, target)) {
    fs::remove(target, ec);
    return false;
  }
  fs::remove(source, ec);
  return true;
}

bool DeleteFileAt(std::string_view path) {
  if (ReleaseHeldFile(path)) return true;
  return ::unlink(ResolveExisting(path).c_str()) == 0;
}

bool SetNormalAttributes(std::string_view path) {
  std::error_code ec;
  fs::permissions(ResolveExisting(path), fs::perms::owner_read | fs::perms::owner_write,
                  fs::perm_options::add, ec);
  return !ec;
}

std::string ExtractFilePath(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i)
    if (IsSeparator(path[i - 1])) return std::string(path.substr(0, i));
  return {};
}

std::string ExtractFileName(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i)
    if (IsSeparator(path[i - 1])) return std::string(path.substr(i));
  return std::string(path);
}

std::string IncludeTrailingBackslash(std::string_view path) {
  std::string p(path);
  if (p.empty() || !IsSeparator(p.back())) p += '\\';
  return p;
}

bool MatchesMask(std::string_view name, std::string_view mask) {
  // Iterative wildcard match with backtracking to the last "*".
  std::size_t n = 0, m = 0, star = std::string_view::npos, mark = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == '?' || AnsiUpper(mask[m]) == AnsiUpper(name[n]))) {
      ++n, ++m;
    } else if (m < mask.size() && mask[m] == '*') {
      star = m++;
      mark = n;
    } else if (star != std::string_view::npos) {
      m = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

std::vector<std::string> MatchFiles(std::string_view mask) {
  std::string native = NativePath(mask);
  std::size_t slash = native.find_last_of('/');
  std::string dir = slash == std::string::npos ? "." : native.substr(0, slash);
  if (dir.empty()) dir = "/";
  std::string pattern = slash == std::string::npos ? native : native.substr(slash + 1);
  std::vector<std::string> names;
  DIR* d = ::opendir(dir.c_str());
  if (!d) return names;
  while (dirent* e = ::readdir(d)) {
    std::string name = e->d_name;
    if (name == "." || name == ".." || !MatchesMask(name, pattern)) continue;
    struct stat st;
    if (::stat((dir + "/" + name).c_str(), &st) == 0 && S_ISREG(st.st_mode)) names.push_back(name);
  }
  ::closedir(d);
  // Folders list in no particular order here; an alphabetical list (ignoring
  // case) is what people expect of a course or story list.
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return AnsiUpperCase(a) < AnsiUpperCase(b);
  });
  return names;
}

}  // namespace tq
