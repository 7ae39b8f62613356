// The user base at classroom size and the per-key statistics: finding the
// last of 1000 students (every name is read before it), saving that
// student in place, and folding and ranking a table where every key was
// typed.
#include <benchmark/benchmark.h>

#include <string>

#include "core/files/data_file.h"
#include "core/records/difficult_keys.h"
#include "core/records/user.h"
#include "core/shell/program_settings.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

constexpr int kStudents = 1000;

std::string Name(int i) {
  return "Student number " + std::to_string(i);
}

// A base of 1000 students written through the record code itself.
class ClassroomBase {
 public:
  ClassroomBase() {
    Settings().DataPath = dir_.path();
    TRecFile file;
    file.Open(TUser::UserbasePath(), 5, TRecFile::kShareExclusive);
    for (int i = 0; i < kStudents; ++i) {
      TUser u(Name(i), true);
      u.StudyMinutes = i;
      file.Seek(i, TUser::UserRecordSize);
      u.WriteRecord(file);
    }
    file.Close();
  }

 private:
  test::TempDir dir_;
};

void BM_FindUserLastOf1000(benchmark::State& state) {
  ClassroomBase base;
  for (auto _ : state) {
    auto user = TUser::FindUser(Name(kStudents - 1));
    if (!user) state.SkipWithError("not found");
    benchmark::DoNotOptimize(user);
  }
}
BENCHMARK(BM_FindUserLastOf1000)->Unit(benchmark::kMillisecond);

void BM_SaveUserLastOf1000(benchmark::State& state) {
  ClassroomBase base;
  TUser user(Name(kStudents - 1), true);
  for (auto _ : state) {
    ++user.StudyMinutes;
    if (user.SaveUser() != kFileClosed) state.SkipWithError("not saved");
  }
}
BENCHMARK(BM_SaveUserLastOf1000)->Unit(benchmark::kMillisecond);

void BM_FoldAndRankFullTable(benchmark::State& state) {
  TDifficultKeys keys;
  for (auto _ : state) {
    for (int code = TDifficultKeys::kFirstCode; code <= TDifficultKeys::kLastCode; ++code)
      for (int n = 0; n < 8; ++n) keys.AddKeystroke(static_cast<char>(code), (code + n) % 5 == 0);
    keys.FoldNewCounts();
    benchmark::DoNotOptimize(keys.DifficultKey(1));
  }
}
BENCHMARK(BM_FoldAndRankFullTable)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tq
