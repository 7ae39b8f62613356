// Building a review over the largest bundled course's material, and the
// story list of a folder of 2,000 of the student's own texts.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/exercises/story_list.h"
#include "core/review/builder_event.h"
#include "core/review/key_sets.h"
#include "core/review/revision_builder.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

std::string DataDir() {
  return std::string(TAPQUILL_SOURCE_DIR) + "/data/";
}

// The largest material: Beginner, every letter and its capitals, searched
// for words and for crazy sentences at the last lesson (the most records
// match).
void BM_BuildReviewLargestCourse(benchmark::State& state) {
  const std::string base = DataDir() + "Beginner";
  std::size_t found = 0;
  for (auto _ : state) {
    TRevisionBuilder builder(base + ".hdr", base + ".dta");
    found += static_cast<std::size_t>(
        builder.FindWords("qzxjkvbpygfwmucldrhsnioate", 19, WordsPerKey(26)));
    found += static_cast<std::size_t>(builder.FindWords("q", 19, TrisWordsPerKey(1)));
    found += static_cast<std::size_t>(builder.FindSentences("QZXJ.", 19, SentencesPerKey(5)));
  }
  state.counters["found"] =
      benchmark::Counter(static_cast<double>(found), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_BuildReviewLargestCourse)->Unit(benchmark::kMillisecond);

void BM_StoryListOfTwoThousandTexts(benchmark::State& state) {
  test::TempDir dir;
  for (int i = 0; i < 2000; ++i) {
    std::string text = (i % 2 == 0)
                           ? "$description=Story " + std::to_string(i) + "\r\n$author=Me\r\n"
                           : std::string();
    text += "Once upon a time there was a text number " + std::to_string(i) + ".\r\n";
    test::WriteFile(dir / ("text" + std::to_string(i) + ".txt"), text);
  }
  std::size_t entries = 0;
  for (auto _ : state) entries += BuildStoryList("*.nothing", dir.path()).Entries.size();
  state.counters["entries"] =
      benchmark::Counter(static_cast<double>(entries), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StoryListOfTwoThousandTexts)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tq
