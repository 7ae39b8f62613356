#pragma once
// The study report: a student's progress and each lesson's results, laid
// out on portrait pages for the printer, Qt's PDF output and the
// administrator's PDF writer alike. The layout works in design units of a
// 2400 x 3357 page (about 290 to the inch on A4); a printer scales them to
// its page. Font sizes are points; a point is kReportUnitsPerPoint units.
//
// The rows break onto further pages: a row that would reach into the bottom
// margin starts a new page, which repeats the course line and the table
// header. Lesson titles wider than their column wrap inside it.

#include <string>
#include <string_view>
#include <vector>

namespace tq {

class TUser;

struct StudyReportRow {
  std::string title;
  std::string speed;       // "148 cpm", or "-" without a result
  std::string accuracy;    // "96 %"
  std::string efficiency;  // "78 %"
};

struct StudyReport {
  std::string name;
  std::string date;
  std::string completed;  // "35 %"
  std::string timeUsed;
  std::string timeLeft;
  std::string course;
  std::vector<StudyReportRow> rows;
};

// The report of one student. lessonTitles[i] is the title of lesson i + 1
// in the student's course; a lesson without one is called "Lesson n".
StudyReport MakeStudyReport(const TUser& student, const std::string& course,
                            const std::vector<std::string>& lessonTitles, bool wordsPerMinute,
                            const std::string& date);

// The same with the course's name and lesson titles read from its contents
// file (named as given; a relative name from the current folder). An
// unreadable course leaves "Lesson n" titles and the file name as the
// course. A student whose lesson count is not known yet takes the course's,
// for the per cent completed.
StudyReport MakeStudentReport(TUser& student, const std::string& courseFile, bool wordsPerMinute,
                              const std::string& date);

constexpr int kReportPageWidth = 2400;
constexpr int kReportPageHeight = 3357;
constexpr double kReportUnitsPerPoint = kReportPageWidth / 595.28;  // A4 is 595.28 points wide

struct ReportText {
  int x, y;  // top left of the text line
  int size;  // points
  bool bold;
  std::string text;  // Windows-1252
};

struct ReportRule {
  int x1, x2, y, width;
};

struct ReportPage {
  std::vector<ReportText> texts;
  std::vector<ReportRule> rules;
};

// The height of a text line of `size` points, in design units.
int ReportLineHeight(int size);
// The width of a text in Arial (Helvetica's metrics) of `size` points, in
// design units. Bold text is measured as regular.
int ReportTextWidth(std::string_view text, int size);
// Cuts a text into lines of at most maxWidth units at blanks; a word wider
// than that stands alone on its line.
std::vector<std::string> WrapReportText(std::string_view text, int size, int maxWidth);

std::vector<ReportPage> LayoutStudyReport(const StudyReport& report);

// The reports one after another as a PDF file on A4 pages (each report
// starts on a page of its own).
std::string StudyReportsPdf(const std::vector<StudyReport>& reports);

}  // namespace tq
