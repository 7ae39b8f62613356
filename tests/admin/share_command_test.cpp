#include <gtest/gtest.h>

#include <string>

#include "admin_fixture.h"
#include "core/files/paths.h"

namespace tq::admin {
namespace {

class ShareCommandTest : public AdminCommandTest {
 protected:
  void SetUp() override {
    AdminCommandTest::SetUp();
    const std::string data = TAPQUILL_SOURCE_DIR "/data/";
    for (const char* name : {"KLCommon.ini", "KLKeyb.ini", "UserBase.org"})
      ASSERT_TRUE(CopyFileTo(data + name, program / name));
  }
  test::TempDir program;
};

TEST_F(ShareCommandTest, PreparesTheSharedFolderAndNeverOverwrites) {
  const std::string shared = dir / "class/room";
  ASSERT_EQ(Run({"share", "init", shared, "--program", program.path()}), kExitOk) << err.str();
  for (const char* name : {"KLCommon.ini", "KLKeyb.ini"})
    EXPECT_EQ(test::ReadFile(shared + "/" + name), test::ReadFile(program / name)) << name;
  EXPECT_EQ(test::ReadFile(shared + "/userbase.kl4"), test::ReadFile(program / "UserBase.org"));
  EXPECT_NE(out.str().find("\nDataPath=" + shared + "/\n"), std::string::npos) << out.str();
  EXPECT_TRUE(FileExists(program / "UserBase.org"));  // copied, not moved

  // A second run keeps the class's students and settings.
  test::WriteFile(shared + "/userbase.kl4", "students");
  test::WriteFile(shared + "/KLCommon.ini", "[Common Settings]\r\nSecuredMode=1\r\n");
  ASSERT_EQ(Run({"share", "init", shared, "--program", program.path()}), kExitOk);
  EXPECT_EQ(test::ReadFile(shared + "/userbase.kl4"), "students");
  EXPECT_EQ(test::ReadFile(shared + "/KLCommon.ini"), "[Common Settings]\r\nSecuredMode=1\r\n");
  EXPECT_NE(out.str().find("kept    " + shared + "/userbase.kl4"), std::string::npos);
}

TEST_F(ShareCommandTest, WrongCallsAreRefusedWithTheirReason) {
  struct Case {
    CommandArgs args;
    int status;
    std::string said;
  };
  test::TempDir empty;
  const std::vector<Case> cases = {
      {{"share"}, kExitUsage, "Usage: tapquill-admin share"},
      {{"share", "init"}, kExitUsage, "Usage: tapquill-admin share"},
      {{"share", "mount", "x"}, kExitUsage, "unknown command 'mount'"},
      {{"share", "init", dir / "x", "--program", empty.path()},
       kExitUsage,
       "KLCommon.ini not found"},
      {{"share", "init", program / "KLKeyb.ini", "--program", program.path()},
       kExitFailure,
       "cannot make the folder"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.args), c.status) << c.said;
    EXPECT_NE(err.str().find(c.said), std::string::npos) << err.str();
  }
}

}  // namespace
}  // namespace tq::admin
