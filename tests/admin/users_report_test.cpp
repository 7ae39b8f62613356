// tapquill-admin users report: the study report as a PDF, read back with
// pdftotext: the student's name, the headings, each lesson's title from the
// course file and "-" for a missing value; a class into one file or one
// file each; bad arguments.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "admin/admin.h"
#include "admin_fixture.h"
#include "core/files/data_file.h"
#include "core/records/user.h"

namespace tq::admin {
namespace {

// The text pdftotext reads from a PDF file (layout kept), or "" when the
// tool is missing.
std::string PdfText(const std::string& pdf) {
  const std::string txt = pdf + ".txt";
  const std::string cmd = "pdftotext -layout '" + pdf + "' '" + txt + "' 2>/dev/null";
  if (std::system(cmd.c_str()) != 0) return {};
  return test::ReadFile(txt);
}

std::string LineWith(const std::string& text, const std::string& part) {
  const std::size_t at = text.find(part);
  if (at == std::string::npos) return {};
  const std::size_t begin = text.rfind('\n', at);
  const std::size_t end = text.find('\n', at);
  return text.substr(begin == std::string::npos ? 0 : begin + 1,
                     end == std::string::npos ? std::string::npos : end - begin - 1);
}

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

class UsersReportTest : public AdminCommandTest {
 protected:
  void SetUp() override {
    AdminCommandTest::SetUp();
    if (std::system("command -v pdftotext >/dev/null") != 0)
      GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    test::WriteFile(dir / "course.cnt",
                    "contents name=Touch typing basics\r\n"
                    "begin chapter\r\nchapter name=1;Home row\r\nend chapter\r\n"
                    "begin chapter\r\nchapter name=2;Upper row\r\nend chapter\r\n"
                    "begin chapter\r\nchapter name=3;Lower row\r\nend chapter\r\n");
  }
  // Writes the students into a user base, lessons 1..n with results except
  // that lesson 2 has no speed.
  void WriteBase(const std::vector<std::pair<std::string, int>>& students) {
    TRecFile file;
    ASSERT_EQ(file.Open(dir / "userbase.kl4", 5, 0), kFileGood);
    for (const auto& [name, lessons] : students) {
      TUser u(name, true);
      u.SetContents("course.cnt");
      u.Chapter = lessons;
      u.StudyMinutes = 95;
      for (int c = 1; c <= lessons; ++c) {
        const auto i = static_cast<std::size_t>(c);
        u.ChapterSpeed[i] = c == 2 ? -1.0f : 150.0f + static_cast<float>(c);
        u.ChapterAccuracy[i] = 93.0f;
        u.ChapterEfficiency[i] = 70.0f + static_cast<float>(c);
      }
      u.WriteRecord(file);
    }
    file.Close();
  }
  CommandArgs Args(std::initializer_list<std::string> extra) {
    CommandArgs a = {"users", "report"};
    a.insert(a.end(), extra);
    for (const char* s : {"--data", "--program"}) {
      a.push_back(s);
      a.push_back(dir.path());
    }
    return a;
  }
};

TEST_F(UsersReportTest, OneStudentsReportHoldsNameHeadingsTitlesAndDashes) {
  WriteBase({{"Ann", 3}, {"Bo", 1}});
  const std::string pdf = dir / "ann.pdf";
  ASSERT_EQ(Run(Args({"ann", "--pdf", pdf})), kExitOk) << err.str();
  const std::string text = PdfText(pdf);
  for (const char* wanted :
       {"Tapquill", "Study Report", "Student:", "Ann", "Course: Touch typing basics", "Home row",
        "Upper row", "Lower row", "151 cpm", "153 cpm", "93 %", "72 %", "1 h 35 min."})
    EXPECT_NE(text.find(wanted), std::string::npos) << wanted << "\n" << text;
  // Lesson 2 has no speed: its row shows a dash in the speed column.
  const std::string upper = LineWith(text, "Upper row");
  EXPECT_NE(upper.find(" - "), std::string::npos) << upper;
  EXPECT_EQ(LineWith(text, "Home row").find(" - "), std::string::npos);
}

TEST_F(UsersReportTest, WordsPerMinuteOnRequest) {
  WriteBase({{"Ann", 1}});
  const std::string pdf = dir / "ann.pdf";
  ASSERT_EQ(Run(Args({"Ann", "--pdf", pdf, "--wpm"})), kExitOk) << err.str();
  EXPECT_NE(PdfText(pdf).find("30 wpm"), std::string::npos);  // 151 / 5
}

TEST_F(UsersReportTest, AClassIntoOneFileOrOneFileEach) {
  WriteBase({{"Ann", 3}, {"Bo", 1}, {"Cy/../x", 2}, {"Cy\\..\\x", 1}});
  const std::string pdf = dir / "class.pdf";
  ASSERT_EQ(Run(Args({"--all", "--pdf", pdf})), kExitOk) << err.str();
  const std::string text = PdfText(pdf);
  EXPECT_EQ(Count(text, "Study Report"), 4);
  EXPECT_EQ(Count(text, "\f"), 4);  // a page each
  ASSERT_EQ(Run(Args({"--all", "--pdf-dir", dir.path()})), kExitOk) << err.str();
  EXPECT_NE(PdfText(dir / "Bo.pdf").find("Bo"), std::string::npos);
  // A name never leaves the folder.
  EXPECT_NE(PdfText(dir / "Cy____x.pdf").find("Cy/../x"), std::string::npos);
  EXPECT_NE(PdfText(dir / "Cy____x_2.pdf").find("Cy\\..\\x"), std::string::npos);
}

TEST_F(UsersReportTest, TwentyLessonsWithLongTitlesGoOnToASecondPage) {
  std::string course = "contents name=Long course\r\n";
  for (int c = 1; c <= 20; ++c)
    course += "begin chapter\r\nchapter name=" + std::to_string(c) + ";Title" + std::to_string(c) +
              " with many words about the keys and drills of this lesson\r\nend chapter\r\n";
  test::WriteFile(dir / "course.cnt", course);
  WriteBase({{"Ann", 20}});
  const std::string pdf = dir / "ann.pdf";
  ASSERT_EQ(Run(Args({"Ann", "--pdf", pdf})), kExitOk) << err.str();
  const std::string text = PdfText(pdf);
  EXPECT_EQ(Count(text, "\f"), 2) << text;
  EXPECT_EQ(Count(text, "Efficiency"), 2);  // the header again on the second page
  for (int c = 1; c <= 20; ++c)
    EXPECT_EQ(Count(text, "Title" + std::to_string(c) + " "), 1) << c << "\n" << text;
  EXPECT_EQ(Count(text, "170 cpm"), 1);  // lesson 20's row
}

TEST_F(UsersReportTest, BadArgumentsAndUnknownStudents) {
  WriteBase({{"Ann", 1}});
  EXPECT_EQ(Run(Args({"Ann"})), kExitUsage);                                   // no --pdf
  EXPECT_EQ(Run(Args({"--pdf", dir / "x.pdf"})), kExitUsage);                  // no name
  EXPECT_EQ(Run(Args({"Ann", "--all", "--pdf", dir / "x.pdf"})), kExitUsage);  // both
  EXPECT_EQ(Run(Args({"Ann", "--pdf-dir", dir.path()})), kExitUsage);
  EXPECT_EQ(Run(Args({"Zed", "--pdf", dir / "z.pdf"})), kExitFailure);
  EXPECT_NE(err.str().find("no student named Zed"), std::string::npos);
  EXPECT_EQ(Run(Args({"Ann", "--pdf", dir / "missing/dir/x.pdf"})), kExitFailure);
  EXPECT_NE(err.str().find("cannot write"), std::string::npos);
}

}  // namespace
}  // namespace tq::admin
