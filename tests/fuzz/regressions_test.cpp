// Every input that once crashed a reader (kept under fuzz/regressions/<target>/
// by scripts/fuzz) and the shipped files of each kind, run through the same
// code as the fuzz targets. Under the sanitizer build a fault is a failure.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/files/held_files.h"
#include "core/shell/errors.h"
#include "core/shell/host.h"
#include "core/shell/program_settings.h"

int FuzzInput_data_file(const uint8_t* data, std::size_t size);
int FuzzInput_ini_file(const uint8_t* data, std::size_t size);
int FuzzInput_contents(const uint8_t* data, std::size_t size);
int FuzzInput_keyboard(const uint8_t* data, std::size_t size);
int FuzzInput_userbase(const uint8_t* data, std::size_t size);
int FuzzInput_top_ten(const uint8_t* data, std::size_t size);
int FuzzInput_review(const uint8_t* data, std::size_t size);
int FuzzInput_story(const uint8_t* data, std::size_t size);

namespace tq {
namespace {

namespace fs = std::filesystem;

struct Target {
  const char* name;
  int (*run)(const uint8_t*, std::size_t);
  std::vector<const char*> shipped;  // extensions of the files in data/ it reads
};

std::vector<fs::path> Inputs(const Target& t) {
  std::vector<fs::path> inputs;
  const fs::path root = TAPQUILL_SOURCE_DIR;
  const fs::path kept = root / "fuzz" / "regressions" / t.name;
  if (fs::is_directory(kept))
    for (const auto& e : fs::directory_iterator(kept))
      if (e.is_regular_file()) inputs.push_back(e.path());
  for (const auto& e : fs::directory_iterator(root / "data"))
    for (const char* ext : t.shipped)
      if (e.is_regular_file() && e.path().extension() == ext) inputs.push_back(e.path());
  return inputs;
}

TEST(FuzzRegressions, KeptInputsAndShippedFilesReadWithoutFault) {
  const Target targets[] = {
      {"data_file", FuzzInput_data_file, {".kls", ".exm", ".vcb"}},
      {"ini_file", FuzzInput_ini_file, {".ini"}},
      {"contents", FuzzInput_contents, {".cnt", ".kls"}},
      {"keyboard", FuzzInput_keyboard, {".kbd"}},
      {"userbase", FuzzInput_userbase, {".org"}},
      {"top_ten", FuzzInput_top_ten, {}},
      {"review", FuzzInput_review, {".hdr"}},
      {"story", FuzzInput_story, {".exm"}},
  };
  Host& host = GetHost();
  const std::string dataPath = Settings().DataPath;
  const std::string errorLog = ErrorLogPath();
  for (const Target& t : targets) {
    SCOPED_TRACE(t.name);
    int ran = 0;
    // An empty input first: every reader meets one.
    t.run(nullptr, 0);
    for (const fs::path& p : Inputs(t)) {
      SCOPED_TRACE(p.string());
      std::ifstream in(p, std::ios::binary);
      const std::string bytes((std::istreambuf_iterator<char>(in)), {});
      EXPECT_EQ(t.run(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 0);
      ++ran;
    }
    if (t.shipped.size() > 0) {
      EXPECT_GT(ran, 0);
    }
  }
  ReleaseHeldFiles();
  SetHost(&host);
  Settings().DataPath = dataPath;
  SetErrorLogPath(errorLog);
}

}  // namespace
}  // namespace tq
