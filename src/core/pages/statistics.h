#pragma once
// What the Statistics tab shows of a student, computed once here for the
// page, the study report and the administrator's tool: the progress texts,
// the points and bands of the three graphs, and the error rate per key for
// the keyboard heat map.

#include <string>
#include <vector>

#include "core/pages/graph_plot.h"

namespace tq {

class TDifficultKeys;
class TKeyDataExt;
class TUser;

// A speed in the unit the student chose: characters per minute, or words
// per minute (a fifth of them).
double SpeedInUnit(double cpm, bool wordsPerMinute);

// The lessons the statistics list, 1..n: up to the last lesson with a
// stored result, and at least up to the lesson reached; at most 20. Lessons
// in between without a result are listed as empty.
int StatisticsLessonCount(const TUser& student);

// Takes the number of lessons from the student's course when it is not
// known yet (the Studying tab has not loaded the course this run): the per
// cent completed needs it.
void EnsureLessonCount(TUser& student);

struct ProgressTexts {
  std::string used;       // "2 h 5 min. used"
  std::string completed;  // "35 % completed"
  std::string left;       // "3 h 52 min. left"
  std::string unit;       // "[wpm]" or "[cpm]"
  int percent = 0;        // for the gauge
};
ProgressTexts MakeProgressTexts(const TUser& student, bool wordsPerMinute);

// The difficult keys: the eight places of the ranking, a bar labelled with
// its key where the difficulty is above 0, otherwise an empty bar of 0.
// Scale 0..100 step 20 with the bands Good 50, Difficult 80, Problematic 100.
void SetUpKeysGraph(GraphPlot& graph, TDifficultKeys& keys);
// Efficiency per lesson, 0..100 step 20, bands by grade (25, 50, 75, 100).
void SetUpEfficiencyGraph(GraphPlot& graph, const TUser& student);
// Speed per lesson in the chosen unit: 0..U(350) step U(50), bands by grade
// at U(75), U(150), U(225), U(350), U(x) being x characters per minute.
void SetUpSpeedGraph(GraphPlot& graph, const TUser& student, bool wordsPerMinute);

// The stored error rate of a key in per cent (weighted errors of weighted
// hits, the recent history the ranking uses); -1 for a key never typed.
double KeyErrorRate(const TDifficultKeys& keys, int code);
// The shade of a key on the heat map: 0 for no errors (or never typed) up
// to 1 at a quarter of the keystrokes wrong and beyond.
double HeatLevel(double errorRate);

// One key of the heat map, scaled into the map's area.
struct HeatKey {
  int x, y, width, height;
  std::string caption;
  double errorRate;  // of all the characters the key types; -1 when none was typed
  double level;      // HeatLevel of it
};
// The visible keys of a layout scaled to fit width x height (proportions
// kept), each with the stored error rate of the characters it types.
std::vector<HeatKey> MakeHeatMap(const TKeyDataExt& layout, const TDifficultKeys& keys, int width,
                                 int height);

}  // namespace tq
