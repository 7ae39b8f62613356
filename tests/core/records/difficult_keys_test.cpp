// Per-key statistics: the fold's window of about 40 keystrokes, the score of
// one key, the ranking of equal scores, the keys grade and the stored tables.
#include "core/records/difficult_keys.h"

#include <gtest/gtest.h>

#include "core/files/data_file.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

struct History {
  int32_t total, hits, errors;
};

void SetHistory(TDifficultKeys& k, unsigned char c, History h) {
  k.TotalCount[c] = h.total;
  k.WeightedHits[c] = h.hits;
  k.WeightedErrors[c] = h.errors;
}

void Type(TDifficultKeys& k, char c, int hits, int errors) {
  for (int i = 0; i < hits; ++i) k.AddKeystroke(c, i < errors);
}

TEST(DifficultKeys, CountsOnlyCodesFrom33) {
  TDifficultKeys k;
  k.AddKeystroke(' ', true);
  k.AddKeystroke('\t', true);
  k.AddKeystroke('!', false);
  k.AddKeystroke('\xFF', true);
  EXPECT_EQ(k.NewHits[' '], 0);
  EXPECT_EQ(k.NewHits['\t'], 0);
  EXPECT_EQ(k.NewHits['!'], 1);
  EXPECT_EQ(k.NewErrors['!'], 0);
  EXPECT_EQ(k.NewHits[255], 1);
  EXPECT_EQ(k.NewErrors[255], 1);
}

TEST(DifficultKeys, FoldWeighsTheHistoryLikeAWindowOf40Keystrokes) {
  struct Case {
    const char* what;
    History before;
    int hits, errors;
    History after;
  } cases[] = {
      {"40 new replace the history", {100, 100, 50}, 40, 10, {140, 40, 10}},
      {"more than 40 too", {100, 100, 50}, 45, 10, {145, 45, 10}},
      {"20 new keep half", {100, 40, 4}, 20, 1, {120, 40, 3}},
      {"halves round to even", {100, 5, 1}, 20, 0, {120, 22, 0}},
      {"and up to even", {100, 7, 0}, 20, 0, {120, 24, 0}},
      {"one new keeps 0.975", {15, 100, 10}, 1, 0, {16, 99, 10}},
      {"30 % errors scaled to score 100", {0, 0, 0}, 40, 12, {40, 40, 10}},
      {"29001 restarts at 25000", {28990, 40, 0}, 11, 0, {25000, 40, 0}},
      {"29000 stays", {28989, 40, 0}, 11, 0, {29000, 40, 0}},
      // F is the single nearest 1 - h/40: 5 x 0.9 stays under the half.
      {"4 new keep 0.9", {100, 5, 0}, 4, 0, {104, 8, 0}},
      {"14 new keep 0.65, then scaled", {7426, 50, 48}, 14, 4, {7440, 46, 11}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TDifficultKeys k;
    SetHistory(k, 'f', c.before);
    SetHistory(k, 'j', {33, 44, 5});
    Type(k, 'f', c.hits, c.errors);
    k.FoldNewCounts();
    EXPECT_EQ(k.TotalCount['f'], c.after.total);
    EXPECT_EQ(k.WeightedHits['f'], c.after.hits);
    EXPECT_EQ(k.WeightedErrors['f'], c.after.errors);
    EXPECT_EQ(k.NewHits['f'], 0);
    EXPECT_EQ(k.NewErrors['f'], 0);
    // A key without new keystrokes is left alone.
    EXPECT_EQ(k.TotalCount['j'], 33);
    EXPECT_EQ(k.WeightedHits['j'], 44);
    EXPECT_EQ(k.WeightedErrors['j'], 5);
  }
}

TEST(DifficultKeys, FoldKeepsAKeyNearAScoreOf100) {
  TDifficultKeys scaled;
  SetHistory(scaled, 'f', {7426, 50, 48});
  Type(scaled, 'f', 14, 4);
  scaled.FoldNewCounts();
  EXPECT_NEAR(scaled.KeyDifficulty('f'), 95.65f, 0.005f);

  TDifficultKeys k;
  Type(k, 'q', 40, 12);
  k.FoldNewCounts();
  EXPECT_FLOAT_EQ(k.KeyDifficulty('q'), 100.0f);
  Type(k, 'q', 40, 40);  // every keystroke wrong
  k.FoldNewCounts();
  EXPECT_FLOAT_EQ(k.KeyDifficulty('q'), 100.0f);
}

TEST(DifficultKeys, DifficultyOfOneKey) {
  struct Case {
    int code;
    History h;
    float score;
  } cases[] = {
      {'a', {6, 10, 5}, 80.0f},  // 50 % with 6 samples: 50 * 6 / 15 * 4
      {'a', {15, 10, 5}, 200.0f},
      {'a', {14, 100, 25}, 93.333336f},
      {'Z', {100, 40, 10}, 100.0f},
      {',', {100, 40, 1}, 10.0f},
      {'.', {100, 40, 2}, 20.0f},
      {'a', {100, 0, 5}, 0.0f},    // no hits, no score
      {'a', {0, 10, 5}, 0.0f},     // no samples weigh nothing
      {'5', {100, 40, 40}, 0.0f},  // digits, symbols and accents never score
      {';', {100, 40, 40}, 0.0f},
      {0xE9, {100, 40, 40}, 0.0f},
      {32, {100, 40, 40}, 0.0f},
      {-1, {}, 0.0f},
      {256, {}, 0.0f},
  };
  for (const Case& c : cases) {
    TDifficultKeys k;
    if (c.code >= 0 && c.code < 256) SetHistory(k, static_cast<unsigned char>(c.code), c.h);
    EXPECT_FLOAT_EQ(k.KeyDifficulty(c.code), c.score) << c.code;
  }
}

TEST(DifficultKeys, EqualScoresRankInTheOrderOfTheExchangeSort) {
  TDifficultKeys k;
  SetHistory(k, 'a', {100, 400, 1});  // 1
  SetHistory(k, 'b', {100, 200, 1});  // 2
  SetHistory(k, 'c', {100, 200, 1});  // 2
  k.SetLearnedKeys("abc");
  EXPECT_EQ(k.DifficultKey(1), 'b');
  EXPECT_EQ(k.DifficultKey(2), 'c');
  EXPECT_EQ(k.DifficultKey(3), 'a');
  EXPECT_FLOAT_EQ(k.DifficultyAt(3), 1.0f);
  // Ranks beyond the learned keys, and outside 1..223, hold nothing.
  for (int rank : {4, 8, 0, -1, 224}) {
    EXPECT_EQ(k.DifficultKey(rank), 0) << rank;
    EXPECT_EQ(k.DifficultyAt(rank), 0.0f) << rank;
  }
}

TEST(DifficultKeys, LearnedKeysFilterTheRanking) {
  TDifficultKeys k;
  SetHistory(k, 'd', {100, 40, 4});
  SetHistory(k, 'x', {100, 40, 8});  // not learned: never ranked
  k.SetLearnedKeys("asdf");
  EXPECT_EQ(k.DifficultKey(1), 'd');
  EXPECT_EQ(k.RankedCount(), 4);
  EXPECT_EQ(k.DifficultKey(2), 'a');
  EXPECT_EQ(k.DifficultKey(5), 0);

  k.SetLearnedKeys("");
  EXPECT_FALSE(k.FilterOn);
  EXPECT_EQ(k.DifficultKey(1), 'x');
  EXPECT_EQ(k.RankedCount(), 223);
  EXPECT_EQ(k.DifficultKey(2), 'd');
  // The exchanges moved "!" and '"' down to where 'd' and 'x' were.
  EXPECT_EQ(k.DifficultKey(3), '#');
  EXPECT_EQ(k.DifficultKey(223), 255);
}

TEST(DifficultKeys, RankingFollowsEveryFold) {
  TDifficultKeys k;
  k.SetLearnedKeys("fj");
  SetHistory(k, 'f', {100, 40, 4});
  EXPECT_EQ(k.DifficultKey(1), 'f');
  Type(k, 'j', 40, 8);
  EXPECT_EQ(k.DifficultKey(1), 'f');  // counted, not yet folded
  k.FoldNewCounts();
  EXPECT_FALSE(k.Ranked);
  EXPECT_EQ(k.DifficultKey(1), 'j');
}

TEST(DifficultKeys, KeysGradeFromTheWorstKey) {
  struct Case {
    History worst;
    float grade;
  } cases[] = {
      {{0, 0, 0}, 4.0f},       // no errors
      {{100, 40, 5}, 2.0f},    // scores 50
      {{100, 40, 10}, 0.0f},   // scores 100
      {{100, 40, 12}, 0.0f},   // 120 is held at 0
      {{100, 400, 1}, 3.96f},  // scores 1
  };
  for (const Case& c : cases) {
    TDifficultKeys k;
    SetHistory(k, 'k', c.worst);
    EXPECT_FLOAT_EQ(k.KeysGrade(), c.grade) << c.worst.errors;
  }
  TDifficultKeys digitsOnly;
  digitsOnly.SetLearnedKeys("123");
  SetHistory(digitsOnly, '1', {100, 40, 40});
  EXPECT_FLOAT_EQ(digitsOnly.KeysGrade(), 4.0f);
}

TEST(DifficultKeys, StoredTablesByteForByte) {
  test::TempDir dir;
  TDifficultKeys k;
  for (int c = 33; c <= 255; ++c) SetHistory(k, static_cast<unsigned char>(c), {c * 100, c, -c});
  k.TotalCount[255] = 29000;
  Type(k, '~', 40, 0);  // saving folds first
  TRecFile out;
  ASSERT_EQ(out.Open(dir / "keys", 5, TRecFile::kShareNone), kFileGood);
  k.SaveToRecord(out);
  out.Close();
  const std::string bytes = test::ReadFile(dir / "keys");
  ASSERT_EQ(bytes.size(), 1338u);
  auto at = [&](std::size_t i) {
    return static_cast<int16_t>(static_cast<unsigned char>(bytes[i]) |
                                static_cast<unsigned char>(bytes[i + 1]) << 8);
  };
  EXPECT_EQ(at(0), 3300);                  // TotalCount of "!"
  EXPECT_EQ(at(444), 29000);               // TotalCount of code 255
  EXPECT_EQ(at(446), 33);                  // WeightedHits of "!"
  EXPECT_EQ(at(892), -33);                 // WeightedErrors of "!"
  EXPECT_EQ(at(892 + 2 * ('~' - 33)), 0);  // folded: 40 new keystrokes, no error
  EXPECT_EQ(at(446 + 2 * ('~' - 33)), 40);
  EXPECT_EQ(at(2 * ('~' - 33)), '~' * 100 + 40);

  TDifficultKeys back;
  back.AddKeystroke('a', true);  // counts of the previous tables are dropped
  TRecFile in;
  ASSERT_EQ(in.Open(dir / "keys", 1, TRecFile::kShareDenyWrite), kFileGood);
  EXPECT_EQ(back.LoadFromRecord(in), kFileGood);
  EXPECT_EQ(back.TotalCount, k.TotalCount);
  EXPECT_EQ(back.WeightedHits, k.WeightedHits);
  EXPECT_EQ(back.WeightedErrors, k.WeightedErrors);
  EXPECT_EQ(back.NewHits['a'], 0);
  EXPECT_EQ(in.Close(), kFileClosed);

  // A cut table reads as far as it goes, the rest zero.
  test::WriteFile(dir / "cut", bytes.substr(0, 500));
  TRecFile cut;
  ASSERT_EQ(cut.Open(dir / "cut", 1, TRecFile::kShareDenyWrite), kFileGood);
  EXPECT_EQ(back.LoadFromRecord(cut), kFileEnd);
  EXPECT_EQ(back.TotalCount[255], 29000);
  EXPECT_EQ(back.WeightedHits[59], 59);  // 54 bytes of the second table
  EXPECT_EQ(back.WeightedHits[60], 0);
  EXPECT_EQ(back.WeightedErrors[33], 0);
}

}  // namespace
}  // namespace tq
