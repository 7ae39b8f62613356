// The study report: its rows from the student's results, its pages (rows
// that do not fit go on, none is lost), and the PDF file it is written to.
#include "core/pages/study_report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/files/pdf_writer.h"
#include "core/records/user.h"

namespace tq {
namespace {

std::unique_ptr<TUser> Student(int lessons) {
  auto u = std::make_unique<TUser>("Zo\xEB", true);
  u->Chapter = lessons;
  for (int c = 1; c <= lessons; ++c) {
    const auto i = static_cast<std::size_t>(c);
    u->ChapterSpeed[i] = 100.0f + static_cast<float>(c);
    u->ChapterAccuracy[i] = 90.5f;
    u->ChapterEfficiency[i] = 60.0f + static_cast<float>(c);
  }
  return u;
}

// Every text of the report in page order.
std::vector<std::string> Texts(const std::vector<ReportPage>& pages) {
  std::vector<std::string> all;
  for (const ReportPage& p : pages)
    for (const ReportText& t : p.texts) all.push_back(t.text);
  return all;
}

TEST(StudyReport, RowsShowResultsInTheChosenUnitAndDashesForNone) {
  auto u = Student(3);
  u->ChapterSpeed[2] = -1;
  u->ChapterAccuracy[3] = -1;
  const StudyReport r = MakeStudyReport(*u, "Beginners", {"Home row", ""}, true, "1/2/2027");
  ASSERT_EQ(r.rows.size(), 3u);
  EXPECT_EQ(r.rows[0].title, "Home row");
  EXPECT_EQ(r.rows[1].title, "Lesson 2");  // an empty title
  EXPECT_EQ(r.rows[2].title, "Lesson 3");  // beyond the course's titles
  EXPECT_EQ(r.rows[0].speed, "20 wpm");    // 101 / 5 = 20.2
  EXPECT_EQ(r.rows[1].speed, "-");
  EXPECT_EQ(r.rows[0].accuracy, "90 %");  // 90.5 rounds to the even 90
  EXPECT_EQ(r.rows[2].accuracy, "-");
  EXPECT_EQ(r.rows[2].efficiency, "63 %");
  EXPECT_EQ(MakeStudyReport(*u, "B", {}, false, "").rows[0].speed, "101 cpm");
}

TEST(StudyReport, OnePageHoldsTheHeadingsProgressAndTable) {
  auto u = Student(20);
  const StudyReport r = MakeStudyReport(*u, "Beginners", {}, false, "1/2/2027");
  const std::vector<ReportPage> pages = LayoutStudyReport(r);
  ASSERT_EQ(pages.size(), 1u);
  const std::vector<std::string> texts = Texts(pages);
  for (const char* wanted : {"Tapquill", "Study Report", "1/2/2027", "Progress", "Student:",
                             "Zo\xEB", "Course: Beginners", "Lesson", "Efficiency", "Lesson 20"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), wanted), texts.end()) << wanted;
  ASSERT_EQ(pages[0].rules.size(), 1u);
  // The date stands on the title's bottom line.
  const auto& t = pages[0].texts;
  auto title = std::find_if(t.begin(), t.end(), [](auto& x) { return x.text == "Study Report"; });
  auto date = std::find_if(t.begin(), t.end(), [](auto& x) { return x.text == "1/2/2027"; });
  EXPECT_EQ(title->y + ReportLineHeight(30), date->y + ReportLineHeight(16));
  EXPECT_EQ(date->x, 1550);
}

TEST(StudyReport, LongTitlesWrapAndRowsGoOnToFurtherPages) {
  auto u = Student(20);
  std::vector<std::string> titles;
  for (int c = 1; c <= 20; ++c)
    titles.push_back("Row" + std::to_string(c) +
                     " practising the upper row keys with long words and numbers at speed");
  const StudyReport r = MakeStudyReport(*u, "Beginners", titles, false, "");
  const std::vector<ReportPage> pages = LayoutStudyReport(r);
  ASSERT_GE(pages.size(), 2u);
  // Every row once, in order, and no text below the bottom margin.
  std::vector<int> rows;
  for (std::size_t page = 0; page < pages.size(); ++page) {
    const ReportPage& p = pages[page];
    int headers = 0;
    bool named = false;
    const std::string number =
        "Page " + std::to_string(page + 1) + " of " + std::to_string(pages.size());
    bool numbered = false;
    for (const ReportText& t : p.texts) {
      named |= t.text == "Zo\xEB";
      numbered |= t.text == number;
      if (t.text == number) continue;  // in the bottom margin
      EXPECT_LE(t.y + ReportLineHeight(t.size), kReportPageHeight - 150) << t.text;
      if (t.text.rfind("Row", 0) == 0) rows.push_back(std::stoi(t.text.substr(3)));
      if (t.text == "Speed") ++headers;
      EXPECT_LE(ReportTextWidth(t.text, t.size), 2400 - t.x) << t.text;
    }
    EXPECT_EQ(headers, 1);  // each page repeats the table header
    EXPECT_TRUE(named) << "page " << page + 1;
    EXPECT_TRUE(numbered) << number;
  }
  std::vector<int> expected(20);
  for (int c = 0; c < 20; ++c) expected[static_cast<std::size_t>(c)] = c + 1;
  EXPECT_EQ(rows, expected);
}

TEST(StudyReport, WrapKeepsWordsWhole) {
  struct Case {
    const char* text;
    int width;
    std::vector<std::string> lines;
  } cases[] = {
      {"", 500, {""}},
      {"Home row", 5000, {"Home row"}},
      {"aaaa bbbb cccc", ReportTextWidth("aaaa bbbb", 12), {"aaaa bbbb", "cccc"}},
      {"unbreakable", 10, {"unbreakable"}},
      {"a  b", 5000, {"a b"}},
  };
  for (const Case& c : cases) EXPECT_EQ(WrapReportText(c.text, 12, c.width), c.lines) << c.text;
}

TEST(PdfWriter, StringsEscapeAndCrossReferencesPointAtObjects) {
  EXPECT_EQ(PdfString("a(b)c\\"), "(a\\(b\\)c\\\\)");
  EXPECT_EQ(PdfString("Zo\xEB"), "(Zo\\353)");
  PdfWriter pdf(595.28, 841.89);
  pdf.Text(10, 20, 12, false, "Hello");
  pdf.NewPage();
  pdf.Line(0, 0, 10, 10, 1);
  const std::string file = pdf.Finish("T");
  EXPECT_EQ(file.rfind("%PDF-1.4", 0), 0u);
  EXPECT_NE(file.find("/Count 2"), std::string::npos);
  const std::size_t xref = std::stoul(file.substr(file.rfind("startxref") + 10));
  ASSERT_EQ(file.compare(xref, 4, "xref"), 0);
  // Each entry's offset starts its object.
  std::size_t at = file.find("0000000000 65535 f \n", xref) + 20;
  for (int obj = 1; obj <= 9; ++obj, at += 20) {
    const std::size_t offset = std::stoul(file.substr(at, 10));
    EXPECT_EQ(file.compare(offset, std::to_string(obj).size() + 6, std::to_string(obj) + " 0 obj"),
              0)
        << obj;
  }
}

}  // namespace
}  // namespace tq
