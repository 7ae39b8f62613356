// The letter-pair bookkeeping: what one typed key costs (the watch and the
// new attempt it notes), and what the fold costs at the end of an exercise
// of 2000 keys, saving the student's section included. The target for a key
// is under 2 microseconds.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/records/letter_pairs.h"
#include "core/shell/random.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

constexpr double kBase = 46000.5;
constexpr double kKeyDays = 0.18 / 86400.0;  // a key every 180 ms

std::vector<std::string> Words() {
  Randomize(7);
  std::vector<std::string> words;
  for (int i = 0; i < 400; ++i) {
    std::string w;
    const int length = 2 + RandomInt(8);
    for (int j = 0; j < length; ++j) w += static_cast<char>('a' + RandomInt(26));
    words.push_back(w);
  }
  return words;
}

// Text typing: every key of a word, one in twenty wrong, a blank after each.
void BM_LetterPairsPerKey(benchmark::State& state) {
  const std::vector<std::string> words = Words();
  TLetterPairs pairs;
  double now = kBase;
  std::size_t w = 0;
  std::string typed;
  int64_t keys = 0;
  for (auto _ : state) {
    const std::string& word = words[w];
    if (typed.size() == word.size()) {
      pairs.TextKey(word, typed, ' ', now);
      typed.clear();
      w = (w + 1) % words.size();
    } else {
      const char key = keys % 20 == 0 ? '#' : word[typed.size()];
      pairs.TextKey(word, typed, key, now);
      typed += key;
    }
    now += kKeyDays;
    ++keys;
    // An exercise ends now and then; its attempts are dropped here so the
    // loop measures the keys alone.
    if (pairs.NewCount() > 4000) pairs.DiscardNewCounts();
  }
  state.SetItemsProcessed(keys);
}
BENCHMARK(BM_LetterPairsPerKey);

// The end of an exercise of 2000 keys: the fold and the save of the section.
void BM_LetterPairsFoldAndSave(benchmark::State& state) {
  const std::vector<std::string> words = Words();
  test::TempDir dir;
  TLetterPairs pairs;
  pairs.Open(dir / "student.coach");
  for (auto _ : state) {
    state.PauseTiming();
    double now = kBase;
    int keys = 0;
    for (std::size_t w = 0; keys < 2000; w = (w + 1) % words.size()) {
      std::string typed;
      for (char c : words[w]) {
        pairs.TextKey(words[w], typed, c, now += kKeyDays);
        typed += c;
        ++keys;
      }
      pairs.TextKey(words[w], typed, ' ', now += kKeyDays);
    }
    state.ResumeTiming();
    pairs.FoldNewCounts();
  }
  state.counters["pairs"] = static_cast<double>(pairs.Pairs().size());
}
BENCHMARK(BM_LetterPairsFoldAndSave)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tq
