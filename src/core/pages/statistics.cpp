#include "core/pages/statistics.h"

#include <algorithm>

#include "core/course/contents.h"
#include "core/exercises/key_data_ext.h"
#include "core/files/ansi.h"
#include "core/records/difficult_keys.h"
#include "core/records/user.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

constexpr int kKeyPlaces = 8;
// A quarter of the keystrokes wrong is as bad as a key gets: the difficulty
// score reaches 100 there too.
constexpr double kWorstErrorRate = 25.0;

bool HasResult(const TUser& s, std::size_t c) {
  return s.ChapterSpeed[c] >= 0 || s.ChapterAccuracy[c] >= 0 || s.ChapterEfficiency[c] >= 0;
}

void AddGradeBands(GraphPlot& graph, double beginner, double intermediate, double advanced,
                   double expert) {
  graph.ClearBands();
  graph.AddBand(Str(kStrGradeBeginner), 0, beginner);
  graph.AddBand(Str(kStrGradeIntermediate), 0, intermediate);
  graph.AddBand(Str(kStrGradeAdvanced), 0, advanced);
  graph.AddBand(Str(kStrGradeExpert), 0, expert);
}

}  // namespace

double SpeedInUnit(double cpm, bool wordsPerMinute) {
  return wordsPerMinute ? cpm / 5.0 : cpm;
}

int StatisticsLessonCount(const TUser& student) {
  int n = std::clamp(student.Chapter, 0, TUser::kChapters);
  for (int c = TUser::kChapters; c > n; --c)
    if (HasResult(student, static_cast<std::size_t>(c))) return c;
  return n;
}

void EnsureLessonCount(TUser& student) {
  if (student.ChapterCount > 0 || student.GetContents().empty()) return;
  // A scratch student keeps the student's key groups as they are.
  TUser scratch("", true);
  TContents contents;
  if (contents.CreateOutline(student.GetContents(), scratch) == 0)
    student.ChapterCount = contents.ChapterCount();
}

ProgressTexts MakeProgressTexts(const TUser& student, bool wordsPerMinute) {
  ProgressTexts t;
  t.percent = student.GetProgress();
  t.used = student.GetStudyTimeText() + Str(kStrStatUsed);
  t.completed = IntToStr(t.percent) + Str(kStrStatCompleted);
  t.left = student.GetRemainingTimeText() + Str(kStrStatLeft);
  t.unit = "[" + Str(wordsPerMinute ? kStrWpm : kStrCpm) + "]";
  return t;
}

void SetUpKeysGraph(GraphPlot& graph, TDifficultKeys& keys) {
  graph.Mode = GraphPlot::kBarMode;
  graph.MinValue = 0;
  graph.MaxValue = 100;
  graph.Step = 20;
  graph.ClearBands();
  graph.AddBand(Str(kStrStatProblematic), GraphRgb(128, 0, 0), 100);
  graph.AddBand(Str(kStrStatDifficult), GraphRgb(128, 0, 0), 80);
  graph.AddBand(Str(kStrStatGood), GraphRgb(0, 0, 128), 50);
  graph.ClearPoints();
  for (int rank = 1; rank <= kKeyPlaces; ++rank) {
    const float difficulty = keys.DifficultyAt(rank);
    if (difficulty > 0)
      graph.AddValue(std::string(1, static_cast<char>(keys.DifficultKey(rank))), difficulty);
    else
      graph.AddValue("", 0);
  }
}

void SetUpEfficiencyGraph(GraphPlot& graph, const TUser& student) {
  graph.Mode = GraphPlot::kLineMode;
  graph.MinValue = 0;
  graph.MaxValue = 100;
  graph.Step = 20;
  AddGradeBands(graph, 25, 50, 75, 100);
  graph.ClearPoints();
  const int n = StatisticsLessonCount(student);
  for (int c = 1; c <= n; ++c)
    graph.AddValue(IntToStr(c), student.ChapterEfficiency[static_cast<std::size_t>(c)]);
}

void SetUpSpeedGraph(GraphPlot& graph, const TUser& student, bool wordsPerMinute) {
  auto u = [wordsPerMinute](double cpm) { return SpeedInUnit(cpm, wordsPerMinute); };
  graph.Mode = GraphPlot::kLineMode;
  graph.MinValue = 0;
  graph.MaxValue = u(350);
  graph.Step = u(50);
  AddGradeBands(graph, u(75), u(150), u(225), u(350));
  graph.ClearPoints();
  const int n = StatisticsLessonCount(student);
  for (int c = 1; c <= n; ++c) {
    const float speed = student.ChapterSpeed[static_cast<std::size_t>(c)];
    // No result stays below the scale in either unit.
    graph.AddValue(IntToStr(c), speed < 0 ? -1.0 : u(speed));
  }
}

double KeyErrorRate(const TDifficultKeys& keys, int code) {
  if (code < TDifficultKeys::kFirstCode || code > TDifficultKeys::kLastCode) return -1;
  const auto i = static_cast<std::size_t>(code);
  if (keys.WeightedHits[i] <= 0) return -1;
  return 100.0 * std::max(0, keys.WeightedErrors[i]) / keys.WeightedHits[i];
}

double HeatLevel(double errorRate) {
  if (errorRate <= 0) return 0;
  return std::min(1.0, errorRate / kWorstErrorRate);
}

std::vector<HeatKey> MakeHeatMap(const TKeyDataExt& layout, const TDifficultKeys& keys, int width,
                                 int height) {
  std::vector<HeatKey> map;
  int right = 0, bottom = 0;
  for (const auto& k : layout.Keys) {
    if (k->Hidden) continue;
    right = std::max(right, k->X + k->Width);
    bottom = std::max(bottom, k->Y + k->Height);
  }
  if (right <= 0 || bottom <= 0 || width <= 0 || height <= 0) return map;
  const double scale =
      std::min(static_cast<double>(width) / right, static_cast<double>(height) / bottom);
  auto at = [scale](int v) { return static_cast<int>(RoundEven(v * scale)); };
  for (const auto& k : layout.Keys) {
    if (k->Hidden) continue;
    // A key types the single characters of its labels (lower and upper case).
    int64_t hits = 0, errors = 0;
    std::string seen;
    for (const std::string& label : k->Labels) {
      if (label.size() != 1 || seen.find(label[0]) != std::string::npos) continue;
      seen += label[0];
      const int code = static_cast<unsigned char>(label[0]);
      if (code < TDifficultKeys::kFirstCode) continue;
      const auto i = static_cast<std::size_t>(code);
      hits += std::max(0, keys.WeightedHits[i]);
      errors += std::max(0, keys.WeightedErrors[i]);
    }
    const double rate =
        hits > 0 ? 100.0 * static_cast<double>(errors) / static_cast<double>(hits) : -1.0;
    const int x = at(k->X), y = at(k->Y);
    map.push_back({x, y, at(k->X + k->Width) - x, at(k->Y + k->Height) - y,
                   TKeyDataExt::KeyCaption(*k, 0), rate, HeatLevel(rate)});
  }
  return map;
}

}  // namespace tq
