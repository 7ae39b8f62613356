// Comparing typed words with the words of the text: the cost of each word
// the student finishes.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "core/exercises/error_finder.h"
#include "core/records/difficult_keys.h"

namespace tq {
namespace {

// Typical words with the slips students make: none, case, swap, missed,
// extra, doubled, wrong, two missed, two extra, and a different word.
const std::vector<std::pair<std::string, std::string>>& Words() {
  static const std::vector<std::pair<std::string, std::string>> words = {
      {"the", "the"},
      {"The", "the"},
      {"house", "hosue"},
      {"keyboard", "keybard"},
      {"practice", "practiice"},
      {"letter", "lettter"},
      {"finger", "fingur"},
      {"quickly", "quily"},
      {"river", "rivxyer"},
      {"sentence", "paragraph"},
      {"accommodation", "acommodattion"},
      {"typing", "Typing"},
  };
  return words;
}

void BM_ErrorPercentPerWord(benchmark::State& state) {
  const auto& words = Words();
  TErrorFinder finder;
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& w = words[i++ % words.size()];
    benchmark::DoNotOptimize(finder.ErrorPercent(w.first, w.second));
  }
}
BENCHMARK(BM_ErrorPercentPerWord);

void BM_ErrorPercentLongWord(benchmark::State& state) {
  const std::string expected = "antidisestablishmentarianism";
  const std::string typed = "antidisetsablishmnetarianissm";
  TErrorFinder finder;
  for (auto _ : state) benchmark::DoNotOptimize(finder.ErrorPercent(expected, typed));
}
BENCHMARK(BM_ErrorPercentLongWord);

void BM_RecordErrorsPerWord(benchmark::State& state) {
  const auto& words = Words();
  TErrorFinder finder;
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& w = words[i++ % words.size()];
    finder.RecordErrors(w.first, w.second);
  }
  DifficultKeys().Clear();
}
BENCHMARK(BM_RecordErrorsPerWord);

}  // namespace
}  // namespace tq
