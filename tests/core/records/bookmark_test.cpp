#include "core/records/bookmark.h"

#include <gtest/gtest.h>

#include "core/files/data_file.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

std::string Save(const TBookMark& b, const TempDir& dir) {
  TRecFile f;
  f.Open(dir / "b.bin", 5, TRecFile::kShareExclusive);
  b.SaveToFile(f);
  f.Close();
  return ReadFile(dir / "b.bin");
}

TEST(BookMark, NewBookmarkIsEightZeroBytes) {
  TempDir dir;
  EXPECT_EQ(Save(TBookMark(), dir), std::string(8, '\0'));
}

TEST(BookMark, RoundTripWithNegativeAndOversizedFields) {
  TempDir dir;
  TBookMark b;
  b.Chapter = 3;
  b.Exercise = -2;
  b.Event = 70000;  // only the low 16 bits are stored
  b.Spare = 0x8000;
  b.Mode = TBookMark::kModeIntroduction;
  EXPECT_EQ(Save(b, dir), std::string("\x03\x00\xFE\xFF\x70\x11\x00\x80", 8));
  TRecFile f;
  ASSERT_EQ(f.Open(dir / "b.bin", 1, TRecFile::kShareDenyWrite), kFileGood);
  TBookMark r;
  r.Mode = TBookMark::kModeReview;
  EXPECT_EQ(r.LoadFromFile(f), kFileGood);
  EXPECT_EQ(r.Chapter, 3);
  EXPECT_EQ(r.Exercise, -2);
  EXPECT_EQ(r.Event, 70000 - 65536);
  EXPECT_EQ(r.Spare, -32768);
  EXPECT_EQ(r.Mode, TBookMark::kModeReview);  // never loaded
}

TEST(BookMark, TruncatedStoredForms) {
  TempDir dir;
  struct Case {
    std::size_t bytes;
    int result;
  } cases[] = {{0, TBookMark::kLoadFailed},
               {3, TBookMark::kLoadFailed},
               {4, TBookMark::kLoadFailed},
               {5, TBookMark::kLoadFailed},
               {6, kFileEnd},
               {7, kFileEnd},
               {8, kFileGood}};
  const std::string full("\x01\x00\x02\x00\x03\x00\x04\x00", 8);
  for (const Case& c : cases) {
    WriteFile(dir / "b.bin", full.substr(0, c.bytes));
    TRecFile f;
    ASSERT_EQ(f.Open(dir / "b.bin", 1, TRecFile::kShareDenyWrite), kFileGood);
    TBookMark b;
    b.Spare = 99;
    EXPECT_EQ(b.LoadFromFile(f), c.result) << c.bytes;
    if (c.result == TBookMark::kLoadFailed) {
      EXPECT_EQ(b.Spare, 99) << c.bytes;
    } else {
      EXPECT_EQ(b.Event, 3) << c.bytes;
    }
  }
}

}  // namespace
}  // namespace tq
