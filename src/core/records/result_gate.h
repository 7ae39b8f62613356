#pragma once
// Results a teacher can trust. Keys that come faster than a person types
// (by default 20 or more keys in a row, each under 15 ms after the one
// before) mark the running exercise "not counted": its figures are still
// shown, but nothing of it is stored — no lesson result, no per-key counts
// and what is kept beside them, no top-ten entry. The gate is the one place
// that decides; every store of a finished exercise asks it. The
// administrator switches the check off in the settings (MachineSpeedCheck=0;
// the project's automated tests do so).

#include <cstdint>

namespace tq {

// The rule on key arrival times (milliseconds of a 32-bit clock that wraps).
class TMachineSpeedCheck {
 public:
  static constexpr int kDefaultKeys = 20;
  static constexpr int kDefaultIntervalMs = 15;

  // keys in a row, each less than intervalMs after the one before.
  void SetLimits(int keys, int intervalMs);
  void Reset();
  void AddKey(uint32_t ms);
  // True once a run of keys reached the limit; stays true until Reset.
  bool Tripped() const { return tripped_; }
  int RunLength() const { return run_; }

 private:
  int keys_ = kDefaultKeys;
  int intervalMs_ = kDefaultIntervalMs;
  bool haveLast_ = false;
  uint32_t last_ = 0;
  int run_ = 0;  // keys in the current fast run, the first one included
  bool tripped_ = false;
};

class TResultGate {
 public:
  bool Enabled() const { return enabled_; }
  // An exercise starts: counted until its keys say otherwise. Whether the
  // check runs and its limits come from the settings as they are now.
  void Begin();
  // A key of the exercise arrived at ms.
  void NoteKey(uint32_t ms);
  // False when the exercise's keys came at machine speed.
  bool Counted() const { return !enabled_ || !check_.Tripped(); }

  // The exercise ended: folds its per-key counts and letter pairs into the
  // student's history, or drops them all.
  void FoldKeyCounts();

 private:
  bool enabled_ = true;
  TMachineSpeedCheck check_;
};

// The program-wide gate.
TResultGate& ResultGate();

}  // namespace tq
