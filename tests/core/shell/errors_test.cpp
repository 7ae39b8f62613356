#include "core/shell/errors.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/shell/date_time.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

using test::FakeHost;
using test::ReadFile;
using test::TempDir;

class ErrorsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.Install();
    host.now = EncodeDateTime({2026, 12, 6, 17, 4, 5});
    SetErrorLogPath(dir / "Errors.log");
  }
  void TearDown() override { SetErrorLogPath("Errors.log"); }
  FakeHost host;
  TempDir dir;
};

TEST_F(ErrorsTest, Messages) {
  EXPECT_EQ(ErrorMessage(0), "(0)");
  EXPECT_EQ(ErrorMessage(-7), "Unknown error -7");
  EXPECT_EQ(ErrorMessage(-801), "Time out while opening for exclusive write mode ");
  EXPECT_EQ(ErrorMessage(-3321), " Problems in Difficult Keys event");
  EXPECT_EQ(ErrorMessage(-1517), "Warning: Wrong Userbase file version, size mitsmatch");
}

TEST_F(ErrorsTest, FirstReportCreatesTheLogWithItsTitle) {
  EXPECT_EQ(ReportError(-500, "qwerty.kbd not found!"), 0);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(host.messages[0].text, "#-500 Error in Main-procedure\n\rqwerty.kbd not found!");
  const std::string entry =
      "----------------------------------------------------------\r\n"
      "2026-12-06 17:04:05 Build 290 (2005) compiled 2008-05-04\r\n";
  EXPECT_EQ(ReadFile(dir / "Errors.log"),
            "Tapquill 5.0 error file.  \r\nPlease send this file to technical support. \r\n" +
                entry + "#-500  Error in Main-procedure\r\n - qwerty.kbd not found!\r\n");

  // A second report appends its four lines only.
  ReportErrorCode(-1505, -2);
  EXPECT_EQ(host.messages[1].text, "#-1505 Cannot open User database\n\rFile open failed");
  std::string log = ReadFile(dir / "Errors.log");
  EXPECT_NE(log.find(entry + "#-1505  Cannot open User database\r\n - File open failed = -2\r\n"),
            std::string::npos);
  EXPECT_EQ(log.find("Tapquill 5.0 error file."), log.rfind("Tapquill 5.0 error file."));
}

TEST_F(ErrorsTest, UnwritableLogIsSkippedSilently) {
  ::mkdir((dir / "Errors.log").c_str(), 0755);  // nothing can open it as a file
  EXPECT_EQ(ReportError(-1, "x"), 0);
  EXPECT_EQ(host.messages.size(), 1u);  // the box is still shown, nothing more
}

}  // namespace
}  // namespace tq
