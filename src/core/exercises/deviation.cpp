#include "core/exercises/deviation.h"

#include <algorithm>
#include <cmath>

#include "core/files/ansi.h"

namespace tq {
namespace {

// A hesitation is an interval at or above this line through the mean: 1.2
// ticks at a mean of 0.6, 0.825 at a mean of 0.2.
constexpr float kHesitationSlope = (1.2f - 0.45f) / (0.6f - 0.2f);
constexpr float kHesitationOffset = 0.45f;
constexpr int kHesitationMinIntervals = 5;

// The rhythm meter starts judging after this many intervals, and smooths
// the deviation once this many deviations are held.
constexpr int kMeterMinIntervals = 10;
constexpr int kMeterMinDeviations = 5;
constexpr int kUnsteadyDeviation = 45;
constexpr int kMaxUnsteadiness = 22;
constexpr int kUnsteadyLevel2 = 6;
constexpr int kUnsteadyLevel3 = 18;

}  // namespace

void TDeviationCalc::Reset() {
  ring_.Clear();
}

bool TDeviationCalc::AddInterval(float Ticks) {
  ring_.Add(Ticks);
  if (ring_.count < kHesitationMinIntervals) return false;
  return Ticks >= kHesitationSlope * ring_.mean + kHesitationOffset;
}

void TDeviationMeter::Reset() {
  intervals_.Clear();
  deviations_.Clear();
  deviation_ = 0;
  level_ = 0;
  totalDeviation_ = 0;
  samples_ = 0;
}

void TDeviationMeter::AddSample(float Ticks) {
  intervals_.Add(Ticks);
  const float m = intervals_.mean;
  const float d = m == 0 ? 0.0f : (m - Ticks) / m;
  totalDeviation_ += std::fabs(d);
  ++samples_;
  if (intervals_.count < kMeterMinIntervals) return;

  deviations_.Add(std::fabs(d));
  if (deviations_.count >= kMeterMinDeviations)
    deviation_ = static_cast<int>(RoundEven(deviations_.mean * 100.0f));
  // Hysteresis: the light changes only after several unsteady (or steady)
  // keys in a row.
  if (deviation_ >= kUnsteadyDeviation && unsteadiness_ < kMaxUnsteadiness)
    ++unsteadiness_;
  else if (unsteadiness_ > 0)
    --unsteadiness_;
  level_ = 1;
  if (unsteadiness_ >= kUnsteadyLevel2) level_ = unsteadiness_ < kUnsteadyLevel3 ? 2 : 3;
}

int TDeviationMeter::Rhythm() const {
  if (samples_ == 0) return 100;
  const float mean = totalDeviation_ / static_cast<float>(samples_);
  return std::max(0, static_cast<int>(RoundEven(100.0f - mean * 100.0f)));
}

float TDeviationMeter::RhythmScore() const {
  return std::clamp(static_cast<float>(Rhythm() - 45) * 0.08f, 0.0f, 4.0f);
}

}  // namespace tq
