#pragma once
// Shared pieces of the fuzz targets: every reader takes a file, so each
// input is held in memory (core/files/held_files.h) as a file of a scratch
// folder that is also the data folder, with a quiet host that answers every
// question with No. Files the readers make beside it go to the disk.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

// A target's entry: libFuzzer's in the fuzz build, a named function where
// the regression table test runs the same code over the kept inputs.
#ifdef TAPQUILL_FUZZ_MAIN
#define TQ_FUZZ_TARGET(name) \
  extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
#else
#define TQ_FUZZ_TARGET(name) int FuzzInput_##name(const uint8_t* data, std::size_t size)
#endif

namespace tq::fuzz {

// The scratch folder, ending with "/"; made on first use. Every call makes
// it the data folder again, with the quiet host and no error log.
const std::string& Scratch();
// Holds the input as NAME in the scratch folder and returns its path.
std::string HoldInput(const std::string& name, const uint8_t* data, std::size_t size);
// Holds the two parts of an input that carries two files: the bytes before
// the first kSecondFileMark as FIRST, the bytes after it as SECOND (empty
// when there is no mark). Returns the two paths.
inline constexpr char kSecondFileMark[] = "\n--next file--\n";
std::pair<std::string, std::string> HoldInputPair(const std::string& first,
                                                  const std::string& second, const uint8_t* data,
                                                  std::size_t size);

}  // namespace tq::fuzz
