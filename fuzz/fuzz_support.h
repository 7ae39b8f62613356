#pragma once
// Shared pieces of the fuzz targets: every reader takes a file, so each
// input is written to a scratch folder (in memory where the system has one)
// that is also the data folder, with a quiet host that answers every
// question with No.

#include <cstddef>
#include <cstdint>
#include <string>

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
// Writes the input as NAME in the scratch folder and returns its path.
std::string WriteInput(const std::string& name, const uint8_t* data, std::size_t size);

}  // namespace tq::fuzz
