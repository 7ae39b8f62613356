// The review builder: key sets, the lesson search, the material search and
// what a wizard choice builds.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/records/difficult_keys.h"
#include "core/review/builder_event.h"
#include "core/review/key_sets.h"
#include "core/review/revision_builder.h"
#include "core/review/wizard_results.h"
#include "core/shell/errors.h"
#include "core/shell/random.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

using test::FakeHost;
using test::TempDir;
using test::WriteFile;

// Review material written by the tests: index records and entries.
struct Material {
  std::vector<ReviewIndexRecord> index;
  std::vector<std::string> entries;

  // Adds `items` for a key and returns nothing; keeps entries in order.
  void Add(char key, int lesson, int kind, const std::vector<std::string>& items) {
    index.push_back({static_cast<unsigned char>(key), lesson, kind,
                     static_cast<int>(entries.size()), static_cast<int>(items.size())});
    entries.insert(entries.end(), items.begin(), items.end());
  }
  std::string IndexBytes() const {
    std::string b;
    for (const auto& r : index)
      for (int v : {r.Character, r.Lesson, r.Kind, r.First, r.Count}) {
        b += static_cast<char>(v & 0xFF);
        b += static_cast<char>((v >> 8) & 0xFF);
      }
    return b;
  }
  std::string DataBytes() const {
    std::string b;
    for (const auto& e : entries) {
      std::string rec(kReviewEntrySize, '\0');
      rec[0] = static_cast<char>(e.size());
      rec.replace(1, e.size(), e);
      b += rec;
    }
    return b;
  }
};

class ReviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.Install();
    SetErrorLogPath(dir_ / "Errors.log");
    Randomize(7);
  }
  void TearDown() override { SetErrorLogPath("Errors.log"); }

  TRevisionBuilder Write(const Material& m) {
    WriteFile(dir_ / "r.hdr", m.IndexBytes());
    WriteFile(dir_ / "r.dta", m.DataBytes());
    return TRevisionBuilder(dir_ / "r.hdr", dir_ / "r.dta");
  }

  static std::vector<std::string> Words(char first, int n) {
    std::vector<std::string> w;
    for (int i = 0; i < n; ++i) w.push_back(std::string(1, first) + std::string(3, 'a' + i % 26));
    return w;
  }

  FakeHost host_;
  TempDir dir_;
};

TEST(KeySetsTest, StringRoutines) {
  EXPECT_EQ(Unique("abcabcx"), "abcx");
  EXPECT_EQ(KeepLetters("a.B,1 z"), "aBz");
  EXPECT_EQ(KeepLettersAndPunct("a.B,1 z;"), "a.B,z");
  EXPECT_EQ(KeepCapitals("aBcD."), "BD");
  EXPECT_EQ(RemoveCapitals("aBcD."), "ac.");
  EXPECT_EQ(CapitalizeWord("new york"), "New York");
  EXPECT_EQ(CapitalizeWord("ab c"), "Ab c");  // the letter after the space ends the word
  EXPECT_EQ(CapitalizeWord("APPLE"), "Apple");
  EXPECT_EQ(CapitalizeSentence("the bee saw a dog", "BD"), "The Bee saw a Dog");
}

TEST(KeySetsTest, MaterialPerKey) {
  const struct {
    int keys, words, sentences, tris;
  } cases[] = {{1, 10, 6, 200}, {2, 9, 5, 100}, {6, 5, 2, 33}, {10, 1, 1, 20}, {12, 1, 1, 17}};
  for (const auto& c : cases) {
    EXPECT_EQ(WordsPerKey(c.keys), c.words) << c.keys;
    EXPECT_EQ(SentencesPerKey(c.keys), c.sentences) << c.keys;
    EXPECT_EQ(TrisWordsPerKey(c.keys), c.tris) << c.keys;
  }
}

TEST(KeySetsTest, StudiedKeysAndFindLesson) {
  CourseKeys course{{"asdf", "jkl;", "eh", "ti", "ABC"}, 2};
  EXPECT_EQ(course.NewKeys(0), "");
  EXPECT_EQ(course.NewKeys(6), "");
  EXPECT_EQ(course.StudiedKeys(3), "asdfjkl;eh");
  EXPECT_EQ(course.StudiedKeys(40), "asdfjkl;ehtiABC");
  EXPECT_EQ(CourseKeys{}.StudiedKeys(3).size(), 52u);

  const struct {
    int current, given;
    const char* keys;
    int lesson;
  } cases[] = {
      {2, 0, "t", 4},   // found later in the course
      {2, 0, "tj", 4},  // j is not brought from lesson 4 on: stays
      {2, 0, "x", 2},   // never brought: the lesson stays
      {1, 0, "x", 99},  // from lesson 1 every lesson may be used
      {2, 5, "h", 5},   // never below the given lesson
      {2, 0, "", 2},
  };
  for (const auto& c : cases) {
    course.CurrentLesson = c.current;
    EXPECT_EQ(FindLesson(course, c.given, c.keys), c.lesson) << c.keys;
  }
}

TEST_F(ReviewTest, FindWordsTakesTheQuotaPerKeyAndCapitalises) {
  Material m;
  m.Add('a', 1, kReviewWords, Words('a', 15));
  m.Add('b', 2, kReviewWords, Words('b', 15));
  m.Add('b', 3, kReviewWords, Words('b', 15));
  m.Add('a', 1, kReviewSentences, {"a sentence"});
  auto builder = Write(m);

  EXPECT_EQ(builder.FindWords("a", 9, WordsPerKey(1)), 10);
  EXPECT_EQ(builder.FindWords("AB", 9, WordsPerKey(2)), 18);
  EXPECT_EQ(builder.Keys, "ab");
  for (const auto& w : builder.Results) EXPECT_TRUE(w[0] == 'A' || w[0] == 'B') << w;
  // Only material up to the lesson counts.
  EXPECT_EQ(builder.FindWords("b", 1, 10), 0);
  // Ten keys: one word for each key that has material.
  EXPECT_EQ(builder.FindWords("abcdefghij", 9, WordsPerKey(10)), 2);
  EXPECT_EQ(builder.FindSentences("a", 9, 6), 1);
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(ReviewTest, SentencesGetAFinalFullStopWhenItIsReviewed) {
  Material m;
  m.Add('.', 1, kReviewSentences, {"the cat sat", "who was it?", "ab", "end."});
  auto builder = Write(m);
  ASSERT_EQ(builder.FindSentences(".", 9, 10), 4);
  std::vector<std::string> got = builder.Results;
  std::sort(got.begin(), got.end());
  EXPECT_EQ(got, (std::vector<std::string>{"ab", "end.", "the cat sat.", "who was it?"}));
}

TEST_F(ReviewTest, IndexBeyondTwoHundredRecordsIsReportedOnceAndIgnored) {
  Material m;
  for (int i = 0; i < 200; ++i) m.Add('z', 1, kReviewWords, {"zzz"});
  m.Add('a', 1, kReviewWords, {"aaa"});
  auto builder = Write(m);
  EXPECT_EQ(builder.FindWords("a", 9, 10), 0);
  EXPECT_EQ(builder.FindWords("a", 9, 10), 0);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_NE(host_.messages[0].text.find("r.hdr"), std::string::npos);
}

TEST_F(ReviewTest, RecordsOutsideTheDataFileAreSkipped) {
  Material m;
  m.Add('a', 1, kReviewWords, {"apple", "ant"});
  m.index.push_back({'a', 1, kReviewWords, 1, 5});   // runs past the end
  m.index.push_back({'a', 1, kReviewWords, -3, 1});  // before the start
  m.index.push_back({'a', 1, kReviewWords, 0, -1});  // negative count
  auto builder = Write(m);
  EXPECT_EQ(builder.FindWords("a", 9, 10), 2);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_NE(host_.messages[0].text.find("r.hdr"), std::string::npos);
}

TEST_F(ReviewTest, CutIndexAndShortDataNeverReadOutside) {
  Material m;
  m.Add('a', 1, kReviewWords, Words('a', 4));
  m.Add('b', 1, kReviewWords, Words('b', 4));
  const std::string index = m.IndexBytes();
  const std::string data = m.DataBytes();
  for (std::size_t cut = 0; cut <= index.size(); ++cut) {
    WriteFile(dir_ / "r.hdr", index.substr(0, cut));
    WriteFile(dir_ / "r.dta", data);
    TRevisionBuilder builder(dir_ / "r.hdr", dir_ / "r.dta");
    const int whole = static_cast<int>(cut / kReviewIndexRecordSize);
    EXPECT_EQ(builder.FindWords("ab", 9, 10), whole * 4) << cut;
  }
  for (std::size_t cut = 0; cut <= data.size(); cut += 64) {
    WriteFile(dir_ / "r.hdr", index);
    WriteFile(dir_ / "r.dta", data.substr(0, cut));
    TRevisionBuilder builder(dir_ / "r.hdr", dir_ / "r.dta");
    const std::size_t entries = cut / kReviewEntrySize;
    const int expected = (entries >= 4 ? 4 : 0) + (entries >= 8 ? 4 : 0);
    EXPECT_EQ(builder.FindWords("ab", 9, 10), expected) << cut;
  }
}

TEST_F(ReviewTest, MissingFilesAreReportedWithTheirName) {
  TRevisionBuilder builder(dir_ / "none.hdr", dir_ / "none.dta");
  EXPECT_EQ(builder.FindWords("a", 9, 10), 0);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_NE(host_.messages[0].text.find("none.hdr"), std::string::npos);
}

TEST_F(ReviewTest, MaterialFallsBackToTheDefaultPerFile) {
  WriteFile(dir_ / "Own.hdr", "");
  const auto m = ChooseReviewMaterial(dir_.path(), "Own", "Default");
  EXPECT_EQ(m.IndexFileName, dir_ / "Own.hdr");
  EXPECT_EQ(m.DataFileName, dir_ / "Default.dta");
  EXPECT_EQ(ChooseReviewMaterial(dir_.path(), "", "Default").IndexFileName, dir_ / "Default.hdr");
}

TEST_F(ReviewTest, WizardSetupOffersSentencesFromLessonFour) {
  const CourseKeys course{{"asdf", "jkl", "eh", ".", "gG"}, 1};
  const struct {
    int lesson;
    bool sentences, current;
    const char* currentText;
  } cases[] = {{3, false, true, "eh"}, {4, true, false, "."}, {5, true, true, "g"}};
  for (const auto& c : cases) {
    const WizardSetup s = PrepareWizard(course, c.lesson, "");
    EXPECT_EQ(s.SentencesEnabled, c.sentences) << c.lesson;
    EXPECT_EQ(s.Method, c.sentences ? ReviewMethod::Sentences : ReviewMethod::Words);
    EXPECT_EQ(s.CurrentKeysEnabled, c.current) << c.lesson;
    EXPECT_EQ(s.CurrentKeysText, c.currentText);
    EXPECT_EQ(s.KnownKeys, course.StudiedKeys(c.lesson));
  }
}

TEST_F(ReviewTest, DifficultKeysAboveFifty) {
  EXPECT_EQ(DifficultKeysText({'q', 'z', 'x', 'p'}, {80, 50.5f, 50, 10}), "qz");
  EXPECT_EQ(DifficultKeysText({'q'}, {50}), "");
}

TEST_F(ReviewTest, KeySetOfEachChoice) {
  const CourseKeys course{{"asdf", "jkl", "ei", "ru", "ABC."}, 3};
  const WizardSetup s = PrepareWizard(course, 3, "");
  const struct {
    ReviewKeyOption option;
    ReviewMethod method;
    const char* typed;
    const char* keys;
    std::size_t messages;
  } cases[] = {
      {ReviewKeyOption::Current, ReviewMethod::Words, "", "ei", 0},
      {ReviewKeyOption::Current, ReviewMethod::Bubbles, "", "eiasdfjkl", 0},
      {ReviewKeyOption::Difficult, ReviewMethod::Words, "", "qz", 0},
      {ReviewKeyOption::Difficult, ReviewMethod::Bubbles, "", "qzqzasdfjkl", 0},
      {ReviewKeyOption::Own, ReviewMethod::Words, "AB", "AB", 0},
      {ReviewKeyOption::Own, ReviewMethod::Words, "aab", "ab", 0},
      {ReviewKeyOption::Own, ReviewMethod::Words, "...",
       "asdfjklei"
       "qz",
       1},
      {ReviewKeyOption::Own, ReviewMethod::Words, "xy",
       "asdfjklei"
       "qz",
       1},
  };
  for (const auto& c : cases) {
    host_.messages.clear();
    const ReviewKeySet set = ChooseKeySet(course, s, c.option, c.method, c.typed, "qz");
    EXPECT_EQ(set.Keys, c.keys) << c.typed;
    EXPECT_EQ(host_.messages.size(), c.messages) << c.typed;
  }
  host_.messages.clear();
  ChooseKeySet(course, s, ReviewKeyOption::Own, ReviewMethod::Words, "...", "");
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0].text,
            "You should choose at least one character (a-z or A-Z) to be reviewed.\n"
            "Your difficult keys will be reviewed instead.");
}

TEST_F(ReviewTest, BuildReviewByMethod) {
  Material m;
  m.Add('a', 1, kReviewWords, Words('a', 12));
  m.Add('a', 1, kReviewSentences, {"a cat", "a dog"});
  auto builder = Write(m);
  const CourseKeys course{{"asdf", "jkl"}, 2};

  BuiltReview b = BuildReview(course, {"a", 2}, ReviewMethod::Words, builder);
  EXPECT_EQ(b.Type, BuiltReview::WordDrill);
  EXPECT_EQ(b.Lines.size(), 10u);
  EXPECT_EQ(b.KnownKeys, "asdfjkl");
  b = BuildReview(course, {"a", 2}, ReviewMethod::Sentences, builder);
  EXPECT_EQ(b.Type, BuiltReview::Sentences);
  EXPECT_EQ(b.Lines.size(), 2u);
  b = BuildReview(course, {"asdfjkl", 2}, ReviewMethod::Bubbles, builder);
  EXPECT_EQ(b.Type, BuiltReview::Bubbles);
  EXPECT_EQ(b.KnownKeys, "asdfjkl");
  b = BuildReview(course, {"a", 2}, ReviewMethod::WordTris, builder);
  EXPECT_EQ(b.Type, BuiltReview::WordTris);
  EXPECT_EQ(b.Lines.size(), 12u);
  EXPECT_TRUE(host_.messages.empty());

  const struct {
    const char* keys;
    ReviewMethod method;
    const char* message;
  } failures[] = {
      {"k", ReviewMethod::Words, "#7878: No word exercises available for chars: k"},
      {"k", ReviewMethod::Sentences, "#7879: No crazy sentences available for chars: k"},
      {"ab", ReviewMethod::Bubbles, "Not enough keys to play game."},
      {"k", ReviewMethod::WordTris, "WordTris with keys \"k\" - no words available."},
  };
  for (const auto& f : failures) {
    host_.messages.clear();
    EXPECT_EQ(BuildReview(course, {f.keys, 2}, f.method, builder).Type, BuiltReview::None);
    ASSERT_EQ(host_.messages.size(), 1u);
    EXPECT_NE(host_.messages[0].text.find(f.message), std::string::npos) << host_.messages[0].text;
  }
}

}  // namespace
}  // namespace tq

namespace tq {
namespace {

TEST(WizardComparisonTest, EightPlacesBeforeAndAfter) {
  TDifficultKeys keys;
  for (int i = 0; i < 40; ++i) keys.AddKeystroke('q', i % 2 == 0);
  for (int i = 0; i < 40; ++i) keys.AddKeystroke('1', i % 2 == 0);
  keys.FoldNewCounts();
  WizardComparison c;
  c.SetKeys("qa1", keys);
  EXPECT_EQ(std::string(c.Keys.begin(), c.Keys.end()), "qa1     ");
  EXPECT_GT(c.Before[0], 50.0f);
  EXPECT_EQ(c.Before[1], 0.0f);  // never typed
  EXPECT_EQ(c.Before[2], 0.0f);  // digits are never difficult
  for (int i = 0; i < 200; ++i) keys.AddKeystroke('q', false);
  keys.FoldNewCounts();
  c.RecordAfter(keys);
  EXPECT_LT(c.After[0], c.Before[0]);
  EXPECT_EQ(c.After[1], c.Before[1]);  // a key not typed keeps its bar
  for (int i = 3; i < 8; ++i) EXPECT_EQ(c.After[static_cast<std::size_t>(i)], 0.0f);

  c.SetKeys("abcdefghij", keys);  // only the first eight are compared
  EXPECT_EQ(std::string(c.Keys.begin(), c.Keys.end()), "abcdefgh");
}

}  // namespace
}  // namespace tq

namespace tq {
namespace {

TEST(ReviewTabTest, BubblesKeySetsAndStoryLengths) {
  EXPECT_EQ(BubblesKeySetKeys(1, "asdf"), "asdf");
  EXPECT_EQ(BubblesKeySetKeys(2, "asdf").size(), 26u);
  EXPECT_EQ(BubblesKeySetKeys(3, "asdf").size(), 52u);
  EXPECT_EQ(BubblesKeySetKeys(4, "asdf").size(), 62u);
  const int minutes[][2] = {{0, 5}, {1, 5}, {2, 10}, {3, 20}, {4, 30}, {9, 30}};
  for (const auto& m : minutes) EXPECT_EQ(StoryMinutes(m[0]), m[1]) << m[0];
}

}  // namespace
}  // namespace tq
