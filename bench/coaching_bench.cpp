// The per-key cost of the coaching bookkeeping a typed key adds: which Shift
// its character needs on the real layout, the verdict on the Shift keys
// held, the exercise's tally, and the machine-speed check of its arrival.

#include <benchmark/benchmark.h>

#include <string>

#include "core/exercises/key_data_ext.h"
#include "core/exercises/shift_hand.h"
#include "core/records/result_gate.h"
#include "core/shell/program_settings.h"

namespace tq {
namespace {

const std::string kText =
    "The Quick Brown Fox Jumps Over The Lazy Dog; Pack My Box With Five Dozen Jugs! "
    "Sphinx Of Black Quartz, Judge My Vow. How Vexingly Quick Daft Zebras Jump?";

void BM_CoachingPerKey(benchmark::State& state) {
  TKeyDataExt keys;
  keys.Quiet = true;
  if (keys.LoadFromFile(std::string(TAPQUILL_SOURCE_DIR) + "/data/qwerty.kbd") != 1) {
    state.SkipWithError("no qwerty.kbd");
    return;
  }
  Settings().MachineSpeedCheck = true;
  TResultGate& gate = ResultGate();
  gate.Begin();
  TShiftTally tally;
  uint32_t ms = 0;
  std::size_t i = 0;
  for (auto _ : state) {
    const char ch = kText[i];
    i = i + 1 == kText.size() ? 0 : i + 1;
    const ShiftHeld held = (i & 1) ? ShiftHeld::Left : ShiftHeld::Right;
    tally.Add(JudgeShift(ShiftNeeded(keys, ch), held));
    gate.NoteKey(ms += 120);
    benchmark::DoNotOptimize(tally);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CoachingPerKey);

}  // namespace
}  // namespace tq
