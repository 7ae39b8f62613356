#include "core/pages/study_report.h"

#include <algorithm>
#include <array>

#include "core/course/contents.h"
#include "core/files/ansi.h"
#include "core/files/pdf_writer.h"
#include "core/pages/statistics.h"
#include "core/records/user.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

// Design units of the page.
constexpr int kTop = 150;
constexpr int kBottom = kReportPageHeight - 150;
constexpr int kX0 = 250;
constexpr int kC1 = 350;
constexpr int kC2 = 750;
constexpr int kC4 = 1550;
constexpr int kSpeedX = kC1 + 800;
constexpr int kAccuracyX = kC1 + 1100;
constexpr int kEfficiencyX = kC1 + 1440;
// A lesson title keeps this far from the speed column.
constexpr int kTitleGap = 40;

// Advance widths of the characters 32..126 in thousandths of the font size
// (Arial and Helvetica share them); other characters count as a digit.
constexpr std::array<int, 95> kWidths = {
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // 32
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // 48
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // 64
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,  // 80
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,  // 96
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};      // 112
constexpr int kOtherWidth = 556;
// Arial's ascent: the baseline of a line lies this much of the size below its top.
constexpr double kAscent = 0.905;
constexpr double kA4Width = 595.28;
constexpr double kA4Height = 841.89;

std::string Rounded(double v) {
  return IntToStr(RoundEven(v));
}

class PageWriter {
 public:
  explicit PageWriter(std::vector<ReportPage>& pages) : pages_(pages) { pages_.emplace_back(); }
  void Text(int x, int y, int size, bool bold, std::string text) {
    pages_.back().texts.push_back({x, y, size, bold, std::move(text)});
  }
  void Rule(int x1, int x2, int y, int width) { pages_.back().rules.push_back({x1, x2, y, width}); }
  void NewPage() { pages_.emplace_back(); }

 private:
  std::vector<ReportPage>& pages_;
};

// The course line and the table header; returns the top of the first row.
int TableHeader(PageWriter& w, const StudyReport& r, int y) {
  w.Text(kX0, y, 16, true, Str(kStrReportCourse) + ": " + r.course);
  y += ReportLineHeight(16) + 40;
  w.Text(kC1, y, 12, true, Str(kStrReportLesson));
  w.Text(kSpeedX, y, 12, true, Str(kStrReportSpeed));
  w.Text(kAccuracyX, y, 12, true, Str(kStrReportAccuracy));
  w.Text(kEfficiencyX, y, 12, true, Str(kStrReportEfficiency));
  return y + ReportLineHeight(12) + 20;
}

}  // namespace

StudyReport MakeStudyReport(const TUser& student, const std::string& course,
                            const std::vector<std::string>& lessonTitles, bool wordsPerMinute,
                            const std::string& date) {
  StudyReport r;
  r.name = student.Name;
  r.date = date;
  r.completed = IntToStr(student.GetProgress()) + " %";
  r.timeUsed = student.GetStudyTimeText();
  r.timeLeft = student.GetRemainingTimeText();
  r.course = course;
  const std::string none = Str(kStrReportNoValue);
  const std::string unit = Str(wordsPerMinute ? kStrWpm : kStrCpm);
  // -1 is "no result yet"; anything below 0 is treated alike.
  auto percent = [&none](float v) { return v < 0 ? none : Rounded(v) + " %"; };
  const int n = StatisticsLessonCount(student);
  for (int c = 1; c <= n; ++c) {
    const auto i = static_cast<std::size_t>(c);
    StudyReportRow row;
    row.title = i <= lessonTitles.size() && !lessonTitles[i - 1].empty()
                    ? lessonTitles[i - 1]
                    : Str(kStrReportLessonNumber) + IntToStr(c);
    const float speed = student.ChapterSpeed[i];
    row.speed = speed < 0 ? none : Rounded(SpeedInUnit(speed, wordsPerMinute)) + " " + unit;
    row.accuracy = percent(student.ChapterAccuracy[i]);
    row.efficiency = percent(student.ChapterEfficiency[i]);
    r.rows.push_back(std::move(row));
  }
  return r;
}

StudyReport MakeStudentReport(TUser& student, const std::string& courseFile, bool wordsPerMinute,
                              const std::string& date) {
  // A scratch student keeps the student's key groups as they are.
  TUser scratch("", true);
  TContents contents;
  std::vector<std::string> titles;
  std::string course = courseFile;
  if (!courseFile.empty() && contents.CreateOutline(courseFile, scratch) == 0) {
    for (const auto& chapter : contents.Chapters) titles.push_back(chapter->Title);
    if (!contents.ContentsName.empty()) course = contents.ContentsName;
    if (student.ChapterCount <= 0) student.ChapterCount = contents.ChapterCount();
  }
  return MakeStudyReport(student, course, titles, wordsPerMinute, date);
}

int ReportLineHeight(int size) {
  return static_cast<int>(RoundEven(size * 1.15 * kReportUnitsPerPoint));
}

int ReportTextWidth(std::string_view text, int size) {
  int thousandths = 0;
  for (char ch : text) {
    const int c = static_cast<unsigned char>(ch);
    thousandths += c >= 32 && c <= 126 ? kWidths[static_cast<std::size_t>(c - 32)] : kOtherWidth;
  }
  return static_cast<int>(RoundEven(thousandths * size * kReportUnitsPerPoint / 1000.0));
}

std::vector<std::string> WrapReportText(std::string_view text, int size, int maxWidth) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find(' ', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string word(text.substr(pos, end - pos));
    pos = end + 1;
    if (word.empty()) continue;
    const std::string joined = line.empty() ? word : line + " " + word;
    if (!line.empty() && ReportTextWidth(joined, size) > maxWidth) {
      lines.push_back(line);
      line = word;
    } else {
      line = joined;
    }
  }
  if (!line.empty() || lines.empty()) lines.push_back(line);
  return lines;
}

std::vector<ReportPage> LayoutStudyReport(const StudyReport& r) {
  std::vector<ReportPage> pages;
  PageWriter w(pages);
  int y = kTop;
  w.Text(kX0, y, 20, false, Str(kStrReportProduct));
  y += ReportLineHeight(20) + 10;
  w.Text(kX0, y, 30, true, Str(kStrReportTitle));
  // The date stands on the title's bottom line.
  w.Text(kC4, y + ReportLineHeight(30) - ReportLineHeight(16), 16, true, r.date);
  y += ReportLineHeight(30) + 40;
  w.Rule(kX0, kReportPageWidth - kX0, y, 3);

  y += 100;
  w.Text(kX0, y, 16, true, Str(kStrReportProgress));
  y += ReportLineHeight(16) + 40;
  const std::pair<int, const std::string*> progress[] = {{kStrReportStudent, &r.name},
                                                         {kStrReportCompleted, &r.completed},
                                                         {kStrReportTimeUsed, &r.timeUsed},
                                                         {kStrReportTimeLeft, &r.timeLeft}};
  for (const auto& [label, value] : progress) {
    w.Text(kC1, y, 12, true, Str(label));
    w.Text(kC2, y, 12, false, *value);
    y += ReportLineHeight(12) + 10;
  }

  y += 100;
  y = TableHeader(w, r, y);
  const int lineHeight = ReportLineHeight(12);
  for (const StudyReportRow& row : r.rows) {
    const std::vector<std::string> title = WrapReportText(row.title, 12, kSpeedX - kC1 - kTitleGap);
    const int height = static_cast<int>(title.size()) * lineHeight;
    if (y + height > kBottom) {
      w.NewPage();
      // A class's reports may be printed together: a further page names
      // its student.
      w.Text(kX0, kTop, 12, true, r.name);
      y = TableHeader(w, r, kTop + ReportLineHeight(12) + 40);
    }
    for (std::size_t k = 0; k < title.size(); ++k)
      w.Text(kC1, y + static_cast<int>(k) * lineHeight, 12, false, title[k]);
    w.Text(kSpeedX, y, 12, false, row.speed);
    w.Text(kAccuracyX, y, 12, false, row.accuracy);
    w.Text(kEfficiencyX, y, 12, false, row.efficiency);
    y += height + 10;
  }
  if (pages.size() > 1) {
    const int count = static_cast<int>(pages.size());
    for (int i = 0; i < count; ++i)
      pages[static_cast<std::size_t>(i)].texts.push_back(
          {kC4 + 440, kReportPageHeight - 120, 10, false,
           Str(kStrReportPage) + IntToStr(i + 1) + Str(kStrReportPageOf) + IntToStr(count)});
  }
  return pages;
}

std::string StudyReportsPdf(const std::vector<StudyReport>& reports) {
  PdfWriter pdf(kA4Width, kA4Height);
  const double sx = kA4Width / kReportPageWidth;
  const double sy = kA4Height / kReportPageHeight;
  for (const StudyReport& report : reports) {
    for (const ReportPage& page : LayoutStudyReport(report)) {
      pdf.NewPage();
      for (const ReportRule& r : page.rules)
        pdf.Line(r.x1 * sx, r.y * sy, r.x2 * sx, r.y * sy, r.width * sx);
      for (const ReportText& t : page.texts)
        pdf.Text(t.x * sx, t.y * sy + kAscent * t.size, t.size, t.bold, t.text);
    }
  }
  return pdf.Finish(Str(kStrReportProduct));
}

}  // namespace tq
