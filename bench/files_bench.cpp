// Reading text data files line by line and splitting event lines.
#include <benchmark/benchmark.h>

#include "core/files/data_file.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

void BM_ReadLineOneMegabyte(benchmark::State& state) {
  test::TempDir dir;
  std::string text = "$version=5\r\n";
  const std::string line = "The quick brown fox jumps over the lazy dog near the river bank.";
  while (text.size() < 1024 * 1024) text += line + "\r\n";
  test::WriteFile(dir / "big.txt", text);
  int64_t lines = 0;
  for (auto _ : state) {
    TTextFile f;
    f.Open(dir / "big.txt", 1);
    std::string l;
    while (f.ReadLine(l) == kFileGood) ++lines;
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
  state.counters["lines"] =
      benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ReadLineOneMegabyte)->Unit(benchmark::kMillisecond);

void BM_SplitFieldsEventLine(benchmark::State& state) {
  const std::string line =
      "event=text;2;FILE:Story1.exm;wordloop=3;wordmaxloop=6;Keys%;more;enter=1";
  for (auto _ : state) benchmark::DoNotOptimize(SplitFields(line, "=;"));
}
BENCHMARK(BM_SplitFieldsEventLine);

}  // namespace
}  // namespace tq
