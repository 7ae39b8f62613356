// The statistics' own work for a student with 20 lessons of results: the
// three graphs laid out, and the study report laid out and written as a PDF
// file's bytes by the core's writer (what the admin tool does per student).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/exercises/font_metrics.h"
#include "core/pages/graph_plot.h"
#include "core/pages/statistics.h"
#include "core/pages/study_report.h"
#include "core/records/user.h"

namespace tq {
namespace {

void FillLessons(TUser& u) {
  u.Chapter = 20;
  u.ChapterCount = 20;
  u.StudyMinutes = 1234;
  for (int c = 1; c <= 20; ++c) {
    const auto i = static_cast<std::size_t>(c);
    u.ChapterSpeed[i] = 100.0f + 9.0f * static_cast<float>(c);
    u.ChapterAccuracy[i] = 90.0f + 0.4f * static_cast<float>(c);
    u.ChapterEfficiency[i] = 40.0f + 2.5f * static_cast<float>(c);
  }
}

void BM_GraphsLayout(benchmark::State& state) {
  TUser u("Pat", true);
  FillLessons(u);
  FixedFontMetrics metrics(7, 16);
  for (auto _ : state) {
    GraphPlot keys, efficiency, speed;
    SetUpKeysGraph(keys, u.DifficultKeys());
    SetUpEfficiencyGraph(efficiency, u);
    SetUpSpeedGraph(speed, u, true);
    for (GraphPlot* g : {&keys, &efficiency, &speed})
      benchmark::DoNotOptimize(g->Layout(310, 180, metrics, 10));
  }
}
BENCHMARK(BM_GraphsLayout);

void BM_StudyReportPdf(benchmark::State& state) {
  TUser u("Pat", true);
  FillLessons(u);
  std::vector<std::string> titles;
  for (int c = 1; c <= 20; ++c) titles.push_back("Lesson title number " + std::to_string(c));
  for (auto _ : state) {
    const StudyReport r = MakeStudyReport(u, "Beginners", titles, false, "12/6/2026");
    benchmark::DoNotOptimize(StudyReportsPdf({r}));
  }
}
BENCHMARK(BM_StudyReportPdf);

}  // namespace
}  // namespace tq
