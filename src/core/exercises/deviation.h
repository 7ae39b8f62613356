#pragma once
// Key intervals of a text typing exercise, in ticks (1/100000 day):
// TDeviationCalc spots hesitations (an interval far above the recent mean),
// TDeviationMeter measures the rhythm and drives the rhythm light.

#include <array>

namespace tq {

// A fixed ring of the last N values with their sum and mean.
template <int N>
struct IntervalRing {
  std::array<float, N> values{};
  int position = 0;  // where the next value goes, 0..N-1
  int count = 0;     // values held, 0..N
  float sum = 0;
  float mean = 0;

  void Clear() { *this = IntervalRing(); }
  void Add(float x) {
    if (count == N)
      sum -= values[position];
    else
      ++count;
    values[position] = x;
    sum += x;
    position = (position + 1) % N;
    mean = sum / static_cast<float>(count);
  }
};

class TDeviationCalc {
 public:
  void Reset();
  // True when the key after this interval was a hesitation: at least five
  // intervals are held and this one is at least 1.875 x mean + 0.45 ticks.
  bool AddInterval(float Ticks);

 private:
  IntervalRing<10> ring_;
};

class TDeviationMeter {
 public:
  // Empties both rings and the totals; Unsteadiness keeps its value.
  void Reset();
  void AddSample(float Ticks);

  // Smoothed deviation of the recent intervals, percent.
  int Deviation() const { return deviation_; }
  // 1 steady, 2 unsteady, 3 very unsteady; 0 after a reset.
  int Level() const { return level_; }
  int Unsteadiness() const { return unsteadiness_; }
  int Samples() const { return samples_; }
  float TotalDeviation() const { return totalDeviation_; }

  // 100 minus the mean absolute relative deviation in percent, at least 0;
  // 100 with no samples.
  int Rhythm() const;
  // 45 % scores 0, 95 % and more score 4.
  float RhythmScore() const;

 private:
  IntervalRing<40> intervals_;
  IntervalRing<10> deviations_;
  int deviation_ = 0;
  int level_ = 0;
  int unsteadiness_ = 0;
  float totalDeviation_ = 0;
  int samples_ = 0;
};

}  // namespace tq
