// Review material: an index (".hdr") and its entries (".dta") in one input,
// the index first; the wizard's searches for words and sentences with the
// keys the index names and with a fixed set.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/review/revision_builder.h"
#include "fuzz_support.h"

TQ_FUZZ_TARGET(review) {
  const auto [index, entries] = tq::fuzz::HoldInputPair("input.hdr", "input.dta", data, size);
  std::vector<tq::ReviewIndexRecord> records;
  int total = 0;
  tq::ReadReviewIndex(index, records, total);
  std::string keys;
  for (const tq::ReviewIndexRecord& r : records)
    if (keys.size() < 16) keys += static_cast<char>(r.Character);
  tq::TRevisionBuilder builder(index, entries);
  builder.FindWords(keys, 99, 40);
  builder.FindSentences(keys, 99, 10);
  builder.FindWords("asdfjkl;ghEIRU", 5, 20);
  return 0;
}
