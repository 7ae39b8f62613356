#include "core/exercises/story_file.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>

#include "core/files/ansi.h"
#include "core/files/held_files.h"
#include "core/files/paths.h"
#include "core/shell/strings.h"

namespace tq {

namespace {

// How much of a file is looked at to tell text from binary.
constexpr std::size_t kSniffBytes = 4096;

// Text holds no NUL and few control characters besides tab, CR, LF and
// form feed.
bool LooksBinary(std::string_view bytes) {
  std::size_t controls = 0;
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == 0) return true;
    if (c < 32 && c != '\t' && c != '\r' && c != '\n' && c != '\f') ++controls;
  }
  return controls * 20 > bytes.size();
}

}  // namespace

StoryFileKind CheckStoryFile(std::string_view path) {
  if (const std::string* held = HeldFile(path)) {
    if (static_cast<int64_t>(held->size()) > kStoryMaxBytes) return StoryFileKind::TooLarge;
    return LooksBinary(std::string_view(*held).substr(0, kSniffBytes)) ? StoryFileKind::Binary
                                                                       : StoryFileKind::Text;
  }
  const std::string name = ResolveExisting(path);
  struct stat st {};
  if (::stat(name.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return StoryFileKind::Missing;
  if (st.st_size > kStoryMaxBytes) return StoryFileKind::TooLarge;
  std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(name.c_str(), "rb"), &std::fclose);
  if (!f) return StoryFileKind::Missing;
  std::string head(kSniffBytes, '\0');
  head.resize(std::fread(head.data(), 1, head.size(), f.get()));
  return LooksBinary(head) ? StoryFileKind::Binary : StoryFileKind::Text;
}

std::string StoryFileMessage(StoryFileKind kind, std::string_view path) {
  int text = kStrStoryVanished;
  if (kind == StoryFileKind::TooLarge) text = kStrStoryTooLarge;
  if (kind == StoryFileKind::Binary) text = kStrStoryNotText;
  return Str(text) + std::string(path);
}

bool LooksLikeUtf8(std::string_view bytes) {
  bool wide = false;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    int extra = 0;
    if (c < 0x80) {
      ++i;
      continue;
    }
    if (c >= 0xC2 && c <= 0xDF)
      extra = 1;
    else if (c >= 0xE0 && c <= 0xEF)
      extra = 2;
    else if (c >= 0xF0 && c <= 0xF4)
      extra = 3;
    else
      return false;
    if (i + static_cast<std::size_t>(extra) >= bytes.size()) return false;  // cut sequence
    for (int k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
        return false;
    wide = true;
    i += static_cast<std::size_t>(extra) + 1;
  }
  return wide;
}

std::string StoryBodyToAnsi(std::string_view body) {
  if (body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);
  if (LooksLikeUtf8(body)) return Utf8ToAnsi(body);
  return std::string(body);
}

}  // namespace tq
