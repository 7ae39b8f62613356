#include "core/records/result_gate.h"

#include <algorithm>

#include "core/records/difficult_keys.h"
#include "core/records/letter_pairs.h"
#include "core/shell/program_settings.h"

namespace tq {

void TMachineSpeedCheck::SetLimits(int keys, int intervalMs) {
  // A run of one key is every key: at least two keys make a run.
  keys_ = std::max(2, keys);
  intervalMs_ = std::max(1, intervalMs);
  Reset();
}

void TMachineSpeedCheck::Reset() {
  haveLast_ = false;
  last_ = 0;
  run_ = 0;
  tripped_ = false;
}

void TMachineSpeedCheck::AddKey(uint32_t ms) {
  // Unsigned subtraction gives the right interval across the clock's wrap.
  const bool fast = haveLast_ && ms - last_ < static_cast<uint32_t>(intervalMs_);
  run_ = fast ? run_ + 1 : 1;
  haveLast_ = true;
  last_ = ms;
  if (run_ >= keys_) tripped_ = true;
}

void TResultGate::Begin() {
  const TProgramSettings& settings = Settings();
  enabled_ = settings.MachineSpeedCheck;
  check_.SetLimits(settings.MachineSpeedKeys, settings.MachineSpeedMs);
}

void TResultGate::NoteKey(uint32_t ms) {
  if (enabled_) check_.AddKey(ms);
}

void TResultGate::FoldKeyCounts() {
  const bool counted = Counted();
  TDifficultKeys& keys = DifficultKeys();
  if (counted) {
    keys.FoldNewCounts();
    LetterPairs().FoldNewCounts();
  } else {
    keys.NewHits.fill(0);
    keys.NewErrors.fill(0);
    LetterPairs().DiscardNewCounts();
  }
}

TResultGate& ResultGate() {
  static TResultGate gate;
  return gate;
}

}  // namespace tq
