#include "core/exercises/efficiency.h"

#include <algorithm>

#include "core/files/ansi.h"
#include "core/records/difficult_keys.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

constexpr char kBackspace = 8;

float Limit(float x, float low, float high) {
  return std::min(std::max(x, low), high);
}

// x from [x0, x1] mapped linearly onto [y0, y1].
float MapLinear(float x, float x0, float x1, float y0, float y1) {
  return (y1 - y0) / (x1 - x0) * (x - x0) + y0;
}

}  // namespace

void TBackSpaceCounter::Reset() {
  Keystrokes = 0;
  Backspaces = 0;
  // A backspace left over from the previous exercise must not turn its first
  // key into an error.
  PendingBackspaces = 0;
}

void TBackSpaceCounter::AddKey(char Key) {
  ++Keystrokes;
  if (Key == kBackspace) {
    ++Backspaces;
    ++PendingBackspaces;
  } else if (PendingBackspaces > 0) {
    // The character typed again after a correction was one the student got
    // wrong, however many backspaces it took.
    DifficultKeys().AddKeystroke(Key, true);
    PendingBackspaces = 0;
  }
}

float TBackSpaceCounter::BackspacePercent() const {
  if (Keystrokes == 0) return 0;
  // One division of exact integers, rounded once: 3 in 40 is exactly 7.5.
  return static_cast<float>(static_cast<int64_t>(Backspaces) * 100) /
         static_cast<float>(Keystrokes);
}

float TBackSpaceCounter::BackspaceScore() const {
  return Limit((BackspacePercent() - 10.0f) * -0.4f, 0, 4);
}

void TEfficiencyCalc::Reset() {
  TypedChars = 0;
  ExpectedChars = 0;
  CorrectChars = 0;
  ElapsedTicks = 0;
  RhythmScore = -1;
}

int TEfficiencyCalc::Speed() const {
  if (ElapsedTicks <= 0) return 0;
  const double perTick = static_cast<double>(ElapsedTicks) / 60.0;
  return static_cast<int>(RoundEven(static_cast<double>(TypedChars) / perTick));
}

float TEfficiencyCalc::SpeedScore() const {
  return Limit(static_cast<float>(Speed() - 30) * (1.0f / 60.0f), 0, 4);
}

float TEfficiencyCalc::Accuracy() const {
  if (ExpectedChars < 1) return 0;
  const float expected = static_cast<float>(ExpectedChars);
  const float p = 100.0f - (expected - static_cast<float>(CorrectChars)) / expected * 100.0f;
  return Limit((p - 90.0f) * 10.0f, 0, 100);
}

float TEfficiencyCalc::AccuracyScore() const {
  const float a = Accuracy();
  float score;
  if (a < 60)
    score = MapLinear(a, 0, 60, 0, 1);
  else if (a < 85)
    score = MapLinear(a, 60, 85, 1, 2);
  else if (a < 95)
    score = MapLinear(a, 85, 95, 2, 3);
  else
    score = MapLinear(a, 95, 100, 3, 4);
  return Limit(score, 0, 4);
}

int TEfficiencyCalc::Efficiency() const {
  const float a = AccuracyScore() / 4.0f;
  const float s = SpeedScore() / 4.0f;
  if (a + s == 0) return 0;
  const auto harmonic = static_cast<int>(RoundEven(a * s / (a + s) * 2.0f * 100.0f));
  return std::clamp(harmonic, 0, 100);
}

float TEfficiencyCalc::EfficiencyScore() const {
  return Limit(static_cast<float>(Efficiency()) * 0.04f, 0, 4);
}

const std::string& GradeText(float Score) {
  if (Score >= 3) return Str(kStrGradeExpert);
  if (Score >= 2) return Str(kStrGradeAdvanced);
  if (Score >= 1) return Str(kStrGradeIntermediate);
  return Str(kStrGradeBeginner);
}

}  // namespace tq
