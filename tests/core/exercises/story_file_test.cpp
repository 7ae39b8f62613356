// A student's own story file: text is used, UTF-8 converted, and a binary,
// huge or vanished file refused with a message before it is read.

#include <gtest/gtest.h>

#include <string>

#include "core/exercises/story_file.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

TEST(StoryFileTest, KindsOfFiles) {
  test::TempDir dir;
  test::WriteFile(dir / "plain.txt", "The fox ran.\r\n");
  test::WriteFile(dir / "accents.txt", "Caf\xC3\xA9 cr\xC3\xA8me\r\n");
  test::WriteFile(dir / "picture.txt", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
  test::WriteFile(dir / "huge.txt", std::string(static_cast<std::size_t>(kStoryMaxBytes) + 1, 'a'));
  test::WriteFile(dir / "limit.txt", std::string(static_cast<std::size_t>(kStoryMaxBytes), 'a'));
  const struct {
    const char* name;
    StoryFileKind kind;
  } cases[] = {
      {"plain.txt", StoryFileKind::Text},     {"accents.txt", StoryFileKind::Text},
      {"picture.txt", StoryFileKind::Binary}, {"huge.txt", StoryFileKind::TooLarge},
      {"limit.txt", StoryFileKind::Text},     {"gone.txt", StoryFileKind::Missing},
      {"", StoryFileKind::Missing},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckStoryFile(dir / c.name), c.kind) << c.name;
  EXPECT_EQ(StoryFileMessage(StoryFileKind::Binary, "x.txt"),
            "This file is not a text and cannot be typed: x.txt");
  EXPECT_EQ(StoryFileMessage(StoryFileKind::TooLarge, "x.txt"),
            "This file is too large to be typed as a story: x.txt");
}

TEST(StoryFileTest, Utf8BecomesAnsi) {
  const struct {
    std::string in, out;
  } cases[] = {
      {"Caf\xC3\xA9", "Caf\xE9"},      // UTF-8 e acute
      {"\xEF\xBB\xBFplain", "plain"},  // byte-order mark dropped
      {"Caf\xE9", "Caf\xE9"},          // already 1252
      {"cut \xC3", "cut \xC3"},        // a cut sequence is not UTF-8
      {"\xE2\x82\xAC 5", "\x80 5"},    // the euro sign has a 1252 code
      {"plain ascii", "plain ascii"},
  };
  for (const auto& c : cases) EXPECT_EQ(StoryBodyToAnsi(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace tq
