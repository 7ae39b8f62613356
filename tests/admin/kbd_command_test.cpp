#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "admin/admin.h"
#include "admin_fixture.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq::admin {
namespace {

using test::FakeHost;
using test::TempDir;
using test::WriteFile;

class KbdCommandTest : public AdminCommandTest {};

const char kLayout[] =
    "$version=5\r\n"
    "defaultsize;30;30\r\n"
    "key;1;10;5;30;40;NdAhS;a;A\r\n"
    "key;4;+2;0;0;0;-;f;F\r\n"
    "key;4;+2;wide;0;0;-;g;G\r\n"
    "shiftcontrolkey;8;200;0;60;0;d;1;x\r\n"
    "tabkey;1;0;+4;0;0;d\r\n";

TEST_F(KbdCommandTest, ShowListsEveryKeyAndMessage) {
  WriteFile(dir / "my.kbd", kLayout);
  ASSERT_EQ(Run({"kbd", "show", dir / "my.kbd"}), kExitOk) << err.str();
  const std::string expected = "File: " + (dir / "my.kbd") +
                               "\n"
                               "Status: 1\n"
                               "Default size: 30 x 30  Label heights: 12 10 8  Comma/dot: 0\n"
                               "Keys: 4\n"
                               "  line finger     x     y width height flags modifier labels\n"
                               "     3      1    10     5    30     40 ndahs       -1 \"a\" \"A\"\n"
                               "     4      4    42     5    30     40     -       -1 \"f\" \"F\"\n"
                               "     6      8   200     5    60     40     d        1 \"Shift\"\n"
                               "     7      1   200    49    60     40     d       -1 \"\\t\"\n"
                               "Left modifiers: none\n"
                               "Right modifiers: 1=\"Shift\" (line 6)\n"
                               "Messages: 1\n"
                               "  " +
                               (dir / "my.kbd") +
                               ":5: position or size is not a number; line skipped\n";
  EXPECT_EQ(out.str(), expected);
  // Listed, not shown in a box.
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(KbdCommandTest, ShowAsJson) {
  WriteFile(dir / "my.kbd", kLayout);
  ASSERT_EQ(Run({"kbd", "show", "--json", dir / "my.kbd"}), kExitOk);
  const std::string json = out.str();
  EXPECT_NE(json.find("{\"line\":4,\"finger\":4,\"x\":42,\"y\":5,\"width\":30,\"height\":40,"
                      "\"flags\":\"\",\"modifierIndex\":-1,\"labels\":[\"f\",\"F\"]}"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("\"rightModifiers\":[{\"index\":1,\"line\":6}]"), std::string::npos);
  EXPECT_NE(json.find(":5: position or size is not a number; line skipped\"]}"), std::string::npos);
}

TEST_F(KbdCommandTest, FilesThatDoNotLoad) {
  WriteFile(dir / "old.kbd", "$version=4\r\nkey;1;0;0;30;30;-;a\r\n");
  EXPECT_EQ(Run({"kbd", "show", dir / "old.kbd"}), kExitFailure);
  EXPECT_NE(out.str().find("Status: -89\n"), std::string::npos);
  EXPECT_NE(out.str().find("#-89 wrong file version (\"4\")"), std::string::npos) << out.str();
  EXPECT_EQ(out.str().find("Keys:"), std::string::npos);
  EXPECT_NE(err.str().find("did not load (status -89)"), std::string::npos);
  EXPECT_TRUE(host.messages.empty());

  EXPECT_EQ(Run({"kbd", "show", "--json", dir / "none.kbd"}), kExitFailure);
  EXPECT_NE(out.str().find("\"status\":-1,\"messages\":[\""), std::string::npos) << out.str();
}

TEST_F(KbdCommandTest, Usage) {
  struct Case {
    CommandArgs args;
    int status;
  } cases[] = {
      {{"kbd"}, kExitUsage},
      {{"kbd", "show"}, kExitUsage},
      {{"kbd", "list", "x.kbd"}, kExitUsage},
      {{"kbd", "show", "a.kbd", "b.kbd"}, kExitUsage},
      {{"kbd", "--help"}, kExitOk},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.args), c.status) << c.args.size();
    EXPECT_NE((out.str() + err.str()).find("Usage: tapquill-admin kbd show FILE"),
              std::string::npos);
  }
}

}  // namespace
}  // namespace tq::admin
