#include "core/shell/strings.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace tq {
namespace {

TEST(StringTable, TranslationReplacesEntriesByNumber) {
  test::TempDir dir;
  test::WriteFile(dir / "Tapquill.lng",
                  "$version=1\r\n1003=wpm-x\r\nnot a line\r\n1005=Fehler = schlimm \r\n"
                  "1040=a\\nb\r\n");
  EXPECT_EQ(Str(kStrError), "Error");
  EXPECT_EQ(LoadTranslation(dir / "Tapquill.lng"), 3);
  EXPECT_EQ(Str(kStrWpm), "wpm-x");
  EXPECT_EQ(Str(kStrError), "Fehler = schlimm ");  // blanks kept, first "=" splits
  EXPECT_EQ(Str(kStrWarning2981), "a\r\nb");
  EXPECT_EQ(Str(kStrCpm), "cpm");  // untouched entries stay English
  ResetStringTable();
  EXPECT_EQ(Str(kStrError), "Error");
  EXPECT_EQ(Str(-12345), "");
  EXPECT_EQ(LoadTranslation(dir / "missing.lng"), -1);
}

}  // namespace
}  // namespace tq
