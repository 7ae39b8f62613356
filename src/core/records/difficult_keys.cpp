#include "core/records/difficult_keys.h"

#include <algorithm>
#include <cstring>

#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

constexpr int kTableBytes = TDifficultKeys::kCodeCount * 2;

// Only letters and ",." are scored: digits, symbols and accented letters
// are too rare in the exercises for their error rate to mean anything.
bool IsScored(int code) {
  if (code < TDifficultKeys::kFirstCode || code > TDifficultKeys::kLastCode) return false;
  char c = static_cast<char>(code);
  return c == ',' || c == '.' || Str(kStrAllLetters).find(c) != std::string::npos;
}

int32_t ClampToInt32(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

void PutTable(char* out, const std::array<int32_t, 256>& table) {
  for (int code = TDifficultKeys::kFirstCode; code <= TDifficultKeys::kLastCode; ++code) {
    uint32_t v = static_cast<uint32_t>(table[static_cast<std::size_t>(code)]);
    *out++ = static_cast<char>(v & 0xFF);
    *out++ = static_cast<char>((v >> 8) & 0xFF);
  }
}

void GetTable(const unsigned char* in, std::array<int32_t, 256>& table) {
  for (int code = TDifficultKeys::kFirstCode; code <= TDifficultKeys::kLastCode; ++code, in += 2)
    table[static_cast<std::size_t>(code)] = static_cast<int16_t>(in[0] | in[1] << 8);
}

}  // namespace

void TDifficultKeys::Clear() {
  FilterOn = false;
  LearnedKeys.clear();
  NewHits.fill(0);
  NewErrors.fill(0);
  WeightedHits.fill(0);
  WeightedErrors.fill(0);
  TotalCount.fill(0);
  Ranking.fill(0);
  Ranked = false;
  rankedCount_ = 0;
}

void TDifficultKeys::AddKeystroke(char ch, bool isError) {
  int code = static_cast<unsigned char>(ch);
  if (code < kFirstCode) return;
  ++NewHits[static_cast<std::size_t>(code)];
  if (isError) ++NewErrors[static_cast<std::size_t>(code)];
}

float TDifficultKeys::KeyDifficulty(int code) const {
  if (!IsScored(code)) return 0.0f;
  std::size_t i = static_cast<std::size_t>(code);
  double p = 0.0;
  if (WeightedHits[i] > 0) p = static_cast<double>(WeightedErrors[i]) / WeightedHits[i] * 100.0;
  // Few samples weigh less.
  if (p > 0 && TotalCount[i] < 15) p = p * TotalCount[i] / 15.0;
  return static_cast<float>(p * 100.0 / 25.0);
}

void TDifficultKeys::FoldNewCounts() {
  for (int code = kFirstCode; code <= kLastCode; ++code) {
    std::size_t i = static_cast<std::size_t>(code);
    const int64_t h = NewHits[i];
    if (h <= 0) continue;
    const int64_t e = NewErrors[i];
    // The history forgets like a window of about 40 keystrokes: 40 or more
    // new ones replace it completely.
    // F is the single nearest 1 - h/40: one division of exact integers,
    // rounded once (a product with 0.025 lands a unit above it and turns
    // the rounding of halves the wrong way).
    const float f = h >= 40 ? 0.0f : static_cast<float>(40 - h) / 40.0f;
    int64_t total = static_cast<int64_t>(TotalCount[i]) + h;
    if (total > kTotalCeiling) total = kTotalReset;
    TotalCount[i] = ClampToInt32(total);
    WeightedHits[i] = ClampToInt32(RoundEven(static_cast<double>(WeightedHits[i]) * f) + h);
    WeightedErrors[i] = ClampToInt32(RoundEven(static_cast<double>(WeightedErrors[i]) * f) + e);
    // Scale the errors down so that no key scores much above 100.
    float d = KeyDifficulty(code);
    if (d > 100.0f)
      WeightedErrors[i] =
          ClampToInt32(RoundEven(static_cast<double>(WeightedErrors[i]) * (100.0 / d)));
    NewHits[i] = 0;
    NewErrors[i] = 0;
  }
  Ranked = false;
}

void TDifficultKeys::SetLearnedKeys(std::string_view keys) {
  LearnedKeys = ShortStr(keys);
  FilterOn = !LearnedKeys.empty();
  Ranked = false;
}

void TDifficultKeys::Rank() {
  std::array<float, kCodeCount + 1> score{};
  int n = 0;
  for (int code = kFirstCode; code <= kLastCode; ++code) {
    if (FilterOn && LearnedKeys.find(static_cast<char>(code)) == std::string::npos) continue;
    ++n;
    Ranking[static_cast<std::size_t>(n)] = static_cast<uint8_t>(code);
    score[static_cast<std::size_t>(n)] = KeyDifficulty(code);
  }
  // An exchange sort on strictly greater scores: equal scores come out in
  // the order this sort leaves them (scores 1, 2, 2 for a, b, c rank b, c, a).
  for (std::size_t i = 1; i < static_cast<std::size_t>(n); ++i)
    for (std::size_t j = i + 1; j <= static_cast<std::size_t>(n); ++j)
      if (score[j] > score[i]) {
        std::swap(score[i], score[j]);
        std::swap(Ranking[i], Ranking[j]);
      }
  rankedCount_ = n;
  Ranked = true;
}

int TDifficultKeys::DifficultKey(int rank) {
  if (rank < 1 || rank > kCodeCount) return 0;
  if (!Ranked) Rank();
  // Ranks beyond the learned keys hold no character.
  return rank <= rankedCount_ ? Ranking[static_cast<std::size_t>(rank)] : 0;
}

float TDifficultKeys::DifficultyAt(int rank) {
  return KeyDifficulty(DifficultKey(rank));
}

float TDifficultKeys::KeysGrade() {
  int worst = DifficultKey(1);
  if (worst == 0) return 4.0f;
  return std::clamp(4.0f - 0.04f * KeyDifficulty(worst), 0.0f, 4.0f);
}

int TDifficultKeys::LoadFromRecord(TRecFile& file) {
  unsigned char buf[kStoredSize] = {};
  const bool readable = file.Status == kFileGood;
  int status = file.ReadBytes(reinterpret_cast<char*>(buf), kStoredSize);
  // A short read leaves zeros for the missing part (the container fills
  // them); a file that failed before leaves the tables as they were.
  if (readable) {
    GetTable(buf, TotalCount);
    GetTable(buf + kTableBytes, WeightedHits);
    GetTable(buf + 2 * kTableBytes, WeightedErrors);
  }
  // Keystrokes counted for the previous tables do not belong to these.
  NewHits.fill(0);
  NewErrors.fill(0);
  Ranked = false;
  return status;
}

void TDifficultKeys::SaveToRecord(TRecFile& file) {
  FoldNewCounts();
  char buf[kStoredSize];
  PutTable(buf, TotalCount);
  PutTable(buf + kTableBytes, WeightedHits);
  PutTable(buf + 2 * kTableBytes, WeightedErrors);
  file.WriteBytes(buf, kStoredSize);
}

TDifficultKeys& DifficultKeys() {
  static TDifficultKeys keys;
  return keys;
}

}  // namespace tq
