// The Statistics tab for a student with 20 lessons of results: the time
// from opening the page until it has been painted (the progress texts, the
// heat map, the three graphs and the slowest letter pairs), and the time to
// write the study report through Qt's PDF output, as the print dialog's
// "print to file" does.
//
//   gui_statistics_bench [rounds] [copy of the last PDF]
//
// Runs offscreen unless QT_QPA_PLATFORM says otherwise.

#include <time.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/exercises/key_data_ext.h"
#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/pages/study_report.h"
#include "core/records/coaching_file.h"
#include "core/records/letter_pairs.h"
#include "core/records/shift_hand_file.h"
#include "core/records/user.h"
#include "core/shell/host.h"
#include "core/shell/program_settings.h"
#include "gui/records/report_printer.h"
#include "gui/records/statistics_view.h"
#include "gui/shell/application.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_host.h"
#include "gui/storage/storage_forms.h"

namespace tq {
namespace {

double WallMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

std::unique_ptr<TUser> Student() {
  auto u = std::make_unique<TUser>("Pat", true);
  u->SetContents("Beginner.cnt");
  u->Chapter = 20;
  u->StudyMinutes = 1234;
  for (int c = 1; c <= 20; ++c) {
    const auto i = static_cast<std::size_t>(c);
    u->ChapterSpeed[i] = 100.0f + 9.0f * static_cast<float>(c);
    u->ChapterAccuracy[i] = 90.0f + 0.4f * static_cast<float>(c);
    u->ChapterEfficiency[i] = 40.0f + 2.5f * static_cast<float>(c);
  }
  TDifficultKeys& k = u->DifficultKeys();
  for (int c = 'a'; c <= 'z'; ++c) {
    k.TotalCount[static_cast<std::size_t>(c)] = 200;
    k.WeightedHits[static_cast<std::size_t>(c)] = 40;
    k.WeightedErrors[static_cast<std::size_t>(c)] = c % 9;
  }
  return u;
}

// A student who has typed a good deal: every pair of a-z with intervals
// enough to be ranked. Kept in memory only.
void FillLetterPairs() {
  TLetterPairs& pairs = LetterPairs();
  pairs.Open({});
  for (char a = 'a'; a <= 'z'; ++a)
    for (char b = 'a'; b <= 'z'; ++b)
      for (int i = 0; i < TLetterPairs::kHistory; ++i)
        pairs.AddPair(a, b, 100 + (a * 7 + b * 13 + i * 17) % 400);
  pairs.FoldNewCounts();
}

// The first round loads the fonts and the course; it is given apart.
void Report(const char* what, std::vector<double> ms) {
  const double first = ms.front();
  std::sort(ms.begin(), ms.end());
  std::printf("%-34s first %7.2f ms   median %7.2f ms   max %7.2f ms   (%zu rounds)\n", what, first,
              ms[ms.size() / 2], ms.back(), ms.size());
}

int Run(int rounds, const QString& keep) {
  QDir::setCurrent(QStringLiteral(TAPQUILL_DATA_DIR));
  if (KeyData().LoadFromFile("qwerty.kbd") != kFileGood) {
    std::fprintf(stderr, "cannot read the keyboard layout\n");
    return 1;
  }
  TBookForm book;
  SetBookForm(&book);
  CreateStorageForms();
  book.SetLayout(2);
  book.show();
  QApplication::processEvents();

  std::vector<double> shown, pdf;
  QTemporaryDir tmp;
  // The student's coaching file, with a Shift-hand share for every lesson,
  // in a data folder of its own.
  Settings().DataPath = tmp.path().toStdString() + "/";
  for (int c = 1; c <= 20; ++c) AddShiftHandLesson(CoachingFilePath("Pat"), c, 40, 20 + c);
  for (int r = 0; r < rounds; ++r) {
    // A fresh student each round: the lesson count is read from the course
    // again, as on the first visit of the tab.
    SetCurrentUser(Student());
    FillLetterPairs();
    TStatisticsView view;
    const double start = WallMs();
    view.Show();
    book.repaint();
    QApplication::processEvents();
    shown.push_back(WallMs() - start);
    bool refuse = false;
    view.CloseView(refuse);

    const double t0 = WallMs();
    const StudyReport report = MakeStudentReport(CurrentUser(), "Beginner.cnt", false, "12/6/2026");
    QPdfWriter writer(tmp.filePath(QStringLiteral("report.pdf")));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    PaintStudyReport(writer, LayoutStudyReport(report));
    pdf.push_back(WallMs() - t0);
  }
  if (!keep.isEmpty()) {
    QFile::remove(keep);
    QFile::copy(tmp.filePath(QStringLiteral("report.pdf")), keep);
  }
  Report("Statistics tab shown and painted", shown);
  Report("Study report written as PDF (Qt)", pdf);
  SetCurrentUser(nullptr);
  DestroyStorageForms();
  SetBookForm(nullptr);
  return 0;
}

}  // namespace
}  // namespace tq

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("QT_FONT_DPI")) qputenv("QT_FONT_DPI", "96");
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
  tq::TApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  tq::QtHost host;
  tq::SetHost(&host);
  const QString keep = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
  const int rc = tq::Run(rounds, keep);
  tq::SetHost(nullptr);
  return rc;
}
