// Text data files with a "$" header (courses, stories, word lists): the
// header, line by line reading and the whole body, plain or scrambled.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/files/data_file.h"
#include "fuzz_support.h"

TQ_FUZZ_TARGET(data_file) {
  const std::string path = tq::fuzz::HoldInput("input.kls", data, size);
  {
    tq::TTextFile file;
    if (file.Open(path, 1) == tq::kFileGood) {
      std::string line;
      for (int i = 0; i < 100000 && file.ReadLine(line) == tq::kFileGood; ++i) {
      }
    }
    file.Close();
  }
  tq::TTextFile file;
  if (file.Open(path, 1) == tq::kFileGood) {
    std::string body;
    file.ReadAll(body);
  }
  file.Close();
  return 0;
}
