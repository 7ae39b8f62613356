// Letter pairs: which keystrokes make a timed pair or a pair's error, the
// fold's bounded history, the ranking of the slowest pairs and the section
// of the coaching file.
#include "core/records/letter_pairs.h"

#include <fstream>
#include <sstream>

#include "core/records/coaching_file.h"
#include "core/records/user.h"
#include "core/shell/ini_file.h"
#include "records_fixture.h"

namespace tq {
namespace {

constexpr double kT0 = 46000.5;

double At(int ms) {
  return kT0 + ms / 86400000.0;
}

// "pair:attempts/errors:ms ms ..." for every pair of the table, in code order.
std::string Dump(const TLetterPairs& pairs) {
  std::string out;
  for (const auto& [code, h] : pairs.Pairs()) {
    if (!out.empty()) out += ' ';
    out += std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)} + ":" +
           std::to_string(h.Attempts) + "/" + std::to_string(h.Errors) + ":";
    for (std::size_t i = 0; i < h.Intervals.size(); ++i)
      out += (i ? "," : "") + std::to_string(h.Intervals[i]);
  }
  return out;
}

struct Stroke {
  char key;
  int ms;
};

// Types the strokes into the words of a text, as the text session does: the
// typed word grows until a blank or Enter, Backspace takes a character back.
void TypeText(TLetterPairs& pairs, const std::vector<std::string>& words,
              const std::vector<Stroke>& strokes) {
  std::size_t word = 0;
  std::string typed;
  for (const Stroke& s : strokes) {
    const std::string& w = word < words.size() ? words[word] : std::string();
    pairs.TextKey(w, typed, s.key, At(s.ms));
    if (s.key == ' ' || s.key == '\r') {
      ++word;
      typed.clear();
    } else if (s.key == 8) {
      if (!typed.empty()) typed.pop_back();
    } else {
      typed += s.key;
    }
  }
}

TEST(LetterPairs, TextTypingTimesPairsOfRightKeysWithinAWord) {
  struct Case {
    const char* what;
    std::vector<std::string> words;
    std::vector<Stroke> strokes;
    const char* table;
  } cases[] = {
      {"each right key after a right key times its pair",
       {"the"},
       {{'t', 0}, {'h', 100}, {'e', 250}},
       "he:1/0:150 th:1/0:100"},
      {"a wrong key is an error of the pair it should have ended, then nothing counts",
       {"the"},
       {{'t', 0}, {'x', 100}, {'e', 250}},
       "th:1/1:"},
      {"Backspace: the key after it ends no pair",
       {"the"},
       {{'t', 0}, {'x', 100}, {8, 200}, {'h', 300}, {'e', 420}},
       "he:1/0:120 th:1/1:"},
      {"no pair across a blank",
       {"at", "to"},
       {{'a', 0}, {'t', 90}, {' ', 180}, {'t', 270}, {'o', 360}},
       "at:1/0:90 to:1/0:90"},
      {"capitals, digits and signs make no pair",
       {"The", "a1b,c"},
       {{'T', 0},
        {'h', 100},
        {'e', 200},
        {' ', 300},
        {'a', 400},
        {'1', 500},
        {'b', 600},
        {',', 700},
        {'c', 800}},
       "he:1/0:100"},
      {"a pause is an attempt without a time; 3000 ms is still timed",
       {"abc"},
       {{'a', 0}, {'b', 3001}, {'c', 6001}},
       "ab:1/0: bc:1/0:3000"},
      {"keys beyond the word or off its text end no pair",
       {"ab"},
       {{'a', 0}, {'b', 100}, {'c', 200}, {'d', 300}},
       "ab:1/0:100"},
      {"accented lower-case letters pair",
       {"\xE9t\xE9"},
       {{'\xE9', 0}, {'t', 100}, {'\xE9', 300}},
       "t\xE9:1/0:200 \xE9t:1/0:100"},
  };
  for (const Case& c : cases) {
    TLetterPairs pairs;
    TypeText(pairs, c.words, c.strokes);
    pairs.FoldNewCounts();
    EXPECT_EQ(Dump(pairs), c.table) << c.what;
  }
}

TEST(LetterPairs, DrillKeysAndExerciseBoundaries) {
  TLetterPairs pairs;
  // A drill waits for the right key: after "x" for "e" the retyped "e" ends no pair.
  pairs.Key('t', 't', At(0));
  pairs.Key('h', 'h', At(80));
  pairs.Key('e', 'x', At(160));
  pairs.Key('e', 'e', At(240));
  pairs.Key(' ', ' ', At(320));
  pairs.Key('n', 'n', At(400));
  EXPECT_EQ(pairs.NewCount(), 2);
  // A new exercise drops what the last one did not fold, and its first key
  // ends no pair of the old run.
  pairs.BeginExercise();
  pairs.Key('o', 'o', At(450));
  pairs.Key('n', 'n', At(550));
  pairs.FoldNewCounts();
  EXPECT_EQ(Dump(pairs), "on:1/0:100");
  pairs.Key('o', 'o', At(600));
  pairs.DiscardNewCounts();
  pairs.Key('n', 'n', At(700));
  pairs.FoldNewCounts();
  EXPECT_EQ(Dump(pairs), "on:1/0:100");
}

TEST(LetterPairs, FoldKeepsTheLast15IntervalsAndAWindowOf40Attempts) {
  struct Case {
    const char* what;
    int timed, errors;            // first fold
    int timedAfter, errorsAfter;  // second fold
    int attempts, errorCount;
    std::size_t intervals;
    int firstKept;
  } cases[] = {
      {"20 then 20 keep half of the first", 20, 20, 20, 0, 40, 10, 15, 26},
      {"40 new replace the counts", 10, 10, 40, 0, 40, 0, 15, 36},
      {"one new keeps 0.975", 39, 1, 1, 0, 40, 1, 15, 26},
      {"few intervals are all kept", 3, 0, 2, 0, 5, 0, 5, 1},
  };
  for (const Case& c : cases) {
    TLetterPairs pairs;
    int ms = 0;
    for (int i = 0; i < c.timed; ++i) pairs.AddPair('a', 'b', ++ms);
    for (int i = 0; i < c.errors; ++i) pairs.AddPairError('a', 'b');
    pairs.FoldNewCounts();
    for (int i = 0; i < c.timedAfter; ++i) pairs.AddPair('a', 'b', ++ms);
    for (int i = 0; i < c.errorsAfter; ++i) pairs.AddPairError('a', 'b');
    pairs.FoldNewCounts();
    const TLetterPairs::History& h = pairs.Pairs().at(TLetterPairs::Code('a', 'b'));
    EXPECT_EQ(h.Attempts, c.attempts) << c.what;
    EXPECT_EQ(h.Errors, c.errorCount) << c.what;
    ASSERT_EQ(h.Intervals.size(), c.intervals) << c.what;
    EXPECT_EQ(h.Intervals.front(), c.firstKept) << c.what;
    EXPECT_EQ(h.Intervals.back(), ms) << c.what;
  }
}

TEST(LetterPairs, MedianOfOddAndEvenCounts) {
  struct Case {
    std::vector<uint16_t> intervals;
    int median;
  } cases[] = {
      {{}, 0},           {{300}, 300}, {{500, 100, 300}, 300}, {{100, 400, 200, 300}, 250},
      {{101, 102}, 102},  // 101.5 to even
      {{103, 104}, 104},  // 103.5 to even
  };
  for (const Case& c : cases) EXPECT_EQ(TLetterPairs::Median(c.intervals), c.median);
}

TEST(LetterPairs, RanksTheSlowestPairsWithEnoughIntervals) {
  TLetterPairs pairs;
  auto type = [&](const char* pair, int count, int ms, int errors) {
    for (int i = 0; i < count; ++i) pairs.AddPair(pair[0], pair[1], ms + i % 3);
    for (int i = 0; i < errors; ++i) pairs.AddPairError(pair[0], pair[1]);
  };
  type("th", 5, 300, 0);  // median 301
  type("qu", 4, 900, 0);  // too few intervals
  type("er", 9, 200, 0);  // 201
  type("in", 6, 450, 0);  // 451
  type("on", 6, 450, 2);  // 451, more errors: before "in"
  type("an", 6, 450, 0);  // 451, ties with "in": code order
  for (const char* p : {"ab", "cd", "ef", "gh", "ij"}) type(p, 5, 100, 0);
  pairs.FoldNewCounts();

  auto letters = [](const std::vector<SlowPair>& ranked) {
    std::string out;
    for (const SlowPair& p : ranked) out += p.Letters + (&p == &ranked.back() ? "" : " ");
    return out;
  };
  const std::vector<SlowPair> eight = pairs.SlowestPairs();
  EXPECT_EQ(letters(eight), "on an in th er ab cd ef");
  EXPECT_EQ(eight[0].MedianMs, 451);
  EXPECT_EQ(eight[0].ErrorPercent, 25);
  EXPECT_EQ(letters(pairs.SlowestPairs(3)), "on an in");
  // Only pairs of learned letters.
  EXPECT_EQ(letters(pairs.SlowestPairs(8, "aeinrt")), "an in er");
  EXPECT_TRUE(TLetterPairs().SlowestPairs().empty());
}

class LetterPairsFile : public test::RecordsTest {};

TEST_F(LetterPairsFile, FoldSavesTheSectionAndKeepsTheOthers) {
  const std::string path = CoachingFilePath("Ann");
  TIniFile(path).WriteString("ShiftHand", "Lesson1", "12 3");
  TLetterPairs pairs;
  pairs.Open(path);
  for (int ms : {180, 200, 190}) pairs.AddPair('t', 'h', ms);
  pairs.AddPairError('t', 'h');
  pairs.AddPair('\xE9', 't', -1);
  pairs.FoldNewCounts();

  TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("ShiftHand", "Lesson1"), "12 3");
  EXPECT_EQ(ini.ReadString("LetterPairs", "th"), "4 1 180 200 190");
  TLetterPairs again;
  again.Open(path);
  EXPECT_EQ(Dump(again), Dump(pairs));
  EXPECT_EQ(Dump(again), "th:4/1:180,200,190 \xE9t:1/0:");
}

TEST_F(LetterPairsFile, ReadingSkipsWhatDoesNotParse) {
  const std::string path = CoachingFilePath("Ann");
  std::ofstream(path) << "[LetterPairs]\r\n"
                         "ab=3 1 100 200\r\n"
                         "Ab=3 1 100\r\n"   // a capital
                         "abc=3 1 100\r\n"  // not a pair
                         "a1=3 1 100\r\n"   // a digit
                         "cd=3 x 100\r\n"   // not a number
                         "ef=3 1 0\r\n"     // no interval is 0 ms
                         "gh=3 1 3001\r\n"  // nor a pause
                         "ij=1 2\r\n"       // more errors than attempts
                         "kl=-1 0\r\n"      // negative
                         "mn=5\r\n"         // no error count
                         "op=16 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16\r\n"  // 16 intervals
                         "qr=2 0\r\n"
                         "[Other]\r\n"
                         "st=2 0 100\r\n";
  TLetterPairs pairs;
  pairs.Open(path);
  EXPECT_EQ(Dump(pairs), "ab:3/1:100,200 qr:2/0:");
}

TEST_F(LetterPairsFile, AFileCutAnywhereReadsOnlyPairsItHeld) {
  const std::string path = CoachingFilePath("Ann");
  TLetterPairs full;
  full.Open(path);
  for (const char* p : {"ab", "cd",
                        "\xE9"
                        "f"})
    for (int ms : {120, 340, 95}) full.AddPair(p[0], p[1], ms);
  full.AddPairError('c', 'd');
  full.FoldNewCounts();
  std::ifstream in(path, std::ios::binary);
  const std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (std::size_t length = 0; length <= whole.size(); ++length) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << whole.substr(0, length);
    TLetterPairs cut;
    cut.Open(path);
    for (const auto& [code, h] : cut.Pairs()) {
      ASSERT_TRUE(full.Pairs().count(code)) << length;
      EXPECT_LE(h.Intervals.size(), full.Pairs().at(code).Intervals.size()) << length;
    }
  }
  TLetterPairs again;
  again.Open(path);
  EXPECT_EQ(Dump(again), Dump(full));
}

TEST_F(LetterPairsFile, StudentsKeepTheirOwnVisitorsNothing) {
  SetCurrentUser(std::make_unique<TUser>("Ann"));
  EXPECT_EQ(LetterPairs().Path(), CoachingFilePath("Ann"));
  LetterPairs().AddPair('a', 'b', 100);
  LetterPairs().FoldNewCounts();
  EXPECT_EQ(TIniFile(CoachingFilePath("Ann")).ReadString("LetterPairs", "ab"), "1 0 100");

  SetCurrentUser(std::make_unique<TUser>("VISITOR"));
  EXPECT_EQ(LetterPairs().Path(), "");
  EXPECT_TRUE(LetterPairs().Pairs().empty());
  LetterPairs().AddPair('c', 'd', 100);
  LetterPairs().FoldNewCounts();
  EXPECT_EQ(LetterPairs().Pairs().size(), 1u);  // kept for the session only

  SetCurrentUser(std::make_unique<TUser>("Ann"));
  EXPECT_EQ(Dump(LetterPairs()), "ab:1/0:100");
}

}  // namespace
}  // namespace tq
