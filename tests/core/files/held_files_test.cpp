#include "core/files/held_files.h"

#include <gtest/gtest.h>

#include <string>

#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/shell/ini_file.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

using test::TempDir;

class HeldFiles : public ::testing::Test {
 protected:
  ~HeldFiles() override { ReleaseHeldFiles(); }
  TempDir dir;
};

// Every reader sees the held bytes, and nothing reaches the disk.
TEST_F(HeldFiles, ReadersSeeHeldBytesAndWritesStayInMemory) {
  const std::string text = dir / "a.kls", rec = dir / "b.rec", ini = dir / "c.ini";
  HoldFile(text, "$version=5\r\n$description=Home row\r\nfirst\r\nsecond");
  HoldFile(rec, std::string("\x03"
                            "abc\x07\x00",
                            6));
  HoldFile(ini, "[General Settings]\r\nLastUser=Bo\r\n");

  TTextFile t;
  ASSERT_EQ(t.Open(text, 1), kFileGood);
  EXPECT_EQ(t.Description, "Home row");
  std::string line;
  EXPECT_EQ(t.ReadLine(line), kFileGood);
  EXPECT_EQ(line, "first");
  EXPECT_EQ(t.ReadLine(line), kFileEnd);
  EXPECT_EQ(line, "second");
  EXPECT_EQ(t.Close(), kFileClosed);

  TRecFile r;
  ASSERT_EQ(r.Open(rec, 1, TRecFile::kShareExclusive), kFileGood);
  std::string s;
  uint16_t w = 0;
  EXPECT_EQ(r.ReadShortString(s, 3), kFileGood);
  EXPECT_EQ(s, "abc");
  EXPECT_EQ(r.ReadWord(w), kFileGood);
  EXPECT_EQ(w, 7);
  r.WriteWord(0x4241);  // past the end: the held file grows
  EXPECT_EQ(r.Close(), kFileClosed);
  EXPECT_EQ(*HeldFile(rec), std::string("\x03"
                                        "abc\x07\x00"
                                        "AB",
                                        8));

  TIniFile settings(ini);
  EXPECT_EQ(settings.ReadString("general settings", "lastuser"), "Bo");
  EXPECT_TRUE(settings.WriteString("General Settings", "LastUser", "Ann"));
  EXPECT_EQ(*HeldFile(ini), "[General Settings]\r\nLastUser=Ann\r\n");

  for (const std::string& path : {text, rec, ini}) {
    EXPECT_TRUE(FileExists(path)) << path;
    EXPECT_FALSE(FileExists(path + ".jnl")) << path;
  }
  ReleaseHeldFiles();
  for (const std::string& path : {text, rec, ini}) EXPECT_FALSE(FileExists(path)) << path;
}

TEST_F(HeldFiles, CreateEmptiesMoveAndDeleteFollowTheHeldFile) {
  const std::string a = dir / "a.klt", b = dir / "b.klt", disk = dir / "disk.txt";
  HoldFile(a, "old bytes");
  TTextFile created;
  ASSERT_EQ(created.Open(a, 2), kFileGood);
  created.WriteLine("new");
  created.Close();
  EXPECT_EQ(*HeldFile(a), "new\r\n");

  test::WriteFile(disk, "on disk");
  EXPECT_FALSE(MoveFileTo(a, disk));  // never over a file
  EXPECT_TRUE(MoveFileTo(a, b));
  EXPECT_EQ(HeldFile(a), nullptr);
  ASSERT_NE(HeldFile(b), nullptr);
  EXPECT_EQ(*HeldFile(b), "new\r\n");
  EXPECT_TRUE(DeleteFileAt(b));
  EXPECT_FALSE(FileExists(b));
  // A path that is not held is the disk's, held files or not.
  TTextFile onDisk;
  ASSERT_EQ(onDisk.Open(disk, 1), kFileGood);
  std::string line;
  onDisk.ReadLine(line);
  EXPECT_EQ(line, "on disk");
}

}  // namespace
}  // namespace tq
