// The wizard's letter-pair option: which words a pair drill takes, from test
// material and from the shipped material, and what it says when it has none.
#include "core/review/pair_drill.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/review/revision_builder.h"
#include "core/shell/errors.h"
#include "core/shell/random.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

std::vector<SlowPair> Pairs(std::initializer_list<const char*> letters) {
  std::vector<SlowPair> pairs;
  for (const char* l : letters) pairs.push_back({l, 300, 0});
  return pairs;
}

std::vector<std::string> Sorted(std::vector<std::string> words) {
  std::sort(words.begin(), words.end());
  return words;
}

TEST(PairDrill, ChoosesWordsRichInThePairsOfStudiedKeysOnly) {
  const std::vector<std::string> candidates = {"the",    "there",  "other", "then", "moth",
                                               "herder", "hunter", "er",    "Thee", "xthe",
                                               "t-her",  "th",     "there", "rod"};
  struct Case {
    const char* what;
    std::vector<SlowPair> pairs;
    const char* studied;
    int perPair;
    std::vector<std::string> words;
  } cases[] = {
      {"most hits first, shorter among equals, each word once",
       Pairs({"th", "er"}),
       "theornduhm",
       2,
       {"er", "herder", "other", "there"}},
      {"a pair takes only words not chosen for a slower one",
       Pairs({"er", "th"}),
       "theornduhm",
       1,
       {"other", "there"}},
      {"unstudied letters keep words out",
       Pairs({"th"}),
       "theor",
       10,
       {"other", "the", "there", "th"}},
      {"a pair without words adds none", Pairs({"qu", "od"}), "theornduhm", 3, {"rod"}},
      {"no pairs, no words", {}, "theornduhm", 3, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Sorted(ChoosePairWords(candidates, c.pairs, c.studied, c.perPair)), Sorted(c.words))
        << c.what;
  EXPECT_EQ(PairHits("herder", Pairs({"er", "he"})), 3);
  EXPECT_EQ(PairsText(Pairs({"th", "er"})), "th er");
  EXPECT_EQ(PairLetters(Pairs({"th", "he", "er"})), "ther");
}

class PairReview : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.Install();
    SetErrorLogPath(dir_ / "Errors.log");
    Randomize(7);
  }
  void TearDown() override { SetErrorLogPath("Errors.log"); }

  test::FakeHost host_;
  test::TempDir dir_;
};

// One index record per key of `words`, all of lesson 1.
TRevisionBuilder WriteMaterial(
    const test::TempDir& dir, const std::vector<std::pair<char, std::vector<std::string>>>& words) {
  std::string index, data;
  int first = 0;
  for (const auto& [key, list] : words) {
    const int count = static_cast<int>(list.size());
    for (int v : {static_cast<int>(key), 1, kReviewWords, first, count}) {
      index += static_cast<char>(v & 0xFF);
      index += static_cast<char>((v >> 8) & 0xFF);
    }
    for (const std::string& w : list) {
      std::string rec(kReviewEntrySize, '\0');
      rec[0] = static_cast<char>(w.size());
      rec.replace(1, w.size(), w);
      data += rec;
    }
    first += count;
  }
  test::WriteFile(dir / "r.hdr", index);
  test::WriteFile(dir / "r.dta", data);
  return TRevisionBuilder(dir / "r.hdr", dir / "r.dta");
}

TEST_F(PairReview, BuildsAWordDrillFromMaterialAndWordLists) {
  TRevisionBuilder builder =
      WriteMaterial(dir_, {{'a', {"salad", "lass", "ask"}}, {'s', {"sad", "dash", "glass"}}});
  test::WriteFile(dir_ / "List.vcb", "$version=1\r\n$end\r\nsalsa\r\nalas\r\nkayak\r\n");
  const CourseKeys course{{"asdf", "jkl"}, 2};
  const std::vector<std::string> lists = {dir_ / "List.vcb"};

  const BuiltReview b = BuildPairReview(course, 2, Pairs({"la", "as"}), builder, lists);
  EXPECT_EQ(b.Type, BuiltReview::WordDrill);
  EXPECT_EQ(b.EventLine, "Event;Word;0;Nil");
  EXPECT_EQ(b.KnownKeys, "asdfjkl");
  // "sad" and "salsa" hold neither pair; "dash", "glass" and "kayak" hold
  // keys not studied.
  EXPECT_EQ(Sorted(b.Lines), Sorted({"salad", "lass", "ask", "alas"}));
  EXPECT_TRUE(host_.messages.empty());

  const struct {
    std::vector<SlowPair> pairs;
    const char* message;
  } failures[] = {
      {{}, "You have no slow letter pairs yet."},
      {Pairs({"jk", "kl"}), "No word exercises available for the letter pairs: jk kl"},
  };
  for (const auto& f : failures) {
    host_.messages.clear();
    EXPECT_EQ(BuildPairReview(course, 2, f.pairs, builder, lists).Type, BuiltReview::None);
    ASSERT_EQ(host_.messages.size(), 1u);
    EXPECT_EQ(host_.messages[0].text.rfind(f.message, 0), 0u) << host_.messages[0].text;
  }
}

// The shipped material gives every common pair of the home row and a few
// more keys words to drill.
TEST_F(PairReview, ShippedMaterialHasWordsForCommonPairs) {
  const std::string data = std::string(TAPQUILL_SOURCE_DIR) + "/data/";
  TRevisionBuilder builder(data + "Beginner.hdr", data + "Beginner.dta");
  const std::string studied = "asdfjklghertyuio";
  const CourseKeys course{{studied}, 1};
  const auto pairs = Pairs({"th", "er", "re", "st", "or", "ea", "ou", "ha"});
  const BuiltReview b =
      BuildPairReview(course, 99, pairs, builder, {data + "Animals.vcb", data + "Food.vcb"});
  ASSERT_EQ(b.Type, BuiltReview::WordDrill);
  EXPECT_EQ(b.Lines.size(), 24u);  // three words for each of the eight pairs
  std::set<std::string> distinct;
  for (const std::string& w : b.Lines) {
    EXPECT_EQ(w.find_first_not_of(studied), std::string::npos) << w;
    EXPECT_GT(PairHits(w, pairs), 0) << w;
    distinct.insert(w);
  }
  EXPECT_EQ(distinct.size(), b.Lines.size());
  EXPECT_TRUE(host_.messages.empty());
}

}  // namespace
}  // namespace tq
