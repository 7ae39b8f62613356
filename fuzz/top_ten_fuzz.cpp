// Top-ten tables of the games: reading, a new score and writing back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/records/top_ten.h"
#include "fuzz_support.h"

TQ_FUZZ_TARGET(top_ten) {
  tq::fuzz::HoldInput("FUZZ.klt", data, size);
  tq::TtopTen table;
  table.LoadTable("FUZZ");
  table.GetLines(0);
  table.AddScore("Ann", 500);
  table.SaveTable(0);
  tq::TtopTen again;
  again.LoadTable("FUZZ");
  again.GetLines(0);
  return 0;
}
