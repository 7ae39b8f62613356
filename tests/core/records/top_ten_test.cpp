// Top-ten tables: the default places, where a new score lands, the table
// file byte for byte, cut and odd files, and a table another program holds.
#include "core/records/top_ten.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/files/data_file.h"
#include "records_fixture.h"

namespace tq {
namespace {

using test::RawBytes;

std::vector<int32_t> Scores(const TtopTen& t, int n) {
  std::vector<int32_t> s;
  for (int i = 1; i <= n; ++i) s.push_back(t.Entries[static_cast<std::size_t>(i)].Score);
  return s;
}

std::string TableFile(std::initializer_list<std::pair<std::string_view, int>> places) {
  std::string bytes;
  for (auto [name, score] : places) {
    RawBytes r(514);
    r.Text(0, name).I16(256, score).Text(258, "2025-01-02");
    bytes += r.bytes;
  }
  return bytes;
}

class TopTen : public test::RecordsTest {};

TEST_F(TopTen, DefaultPlaces) {
  TtopTen t;
  EXPECT_EQ(t.Count, 10);
  EXPECT_EQ(t.FileName, "TOPTEN");
  EXPECT_EQ(Scores(t, 10),
            (std::vector<int32_t>{930, 860, 790, 720, 650, 580, 510, 440, 370, 300}));
  EXPECT_EQ(t.Entries[11].Score, 278);
  EXPECT_EQ(t.Entries[100].Score, 100);
  EXPECT_EQ(t.Entries[1].Name, "Tapquill");
  EXPECT_EQ(t.Entries[1].Date, host.ShortDateText(host.now));
}

TEST_F(TopTen, WhereANewScoreLands) {
  struct Case {
    int score, place;
  } cases[] = {{300, 10}, {299, 0}, {301, 10}, {371, 9}, {931, 1}, {930, 2}, {40000, 1}};
  for (const Case& c : cases) {
    TtopTen t;
    EXPECT_EQ(t.AddScore("New", c.score), c.place) << c.score;
    if (c.place > 0) {
      EXPECT_EQ(t.Entries[static_cast<std::size_t>(c.place)].Name, "New");
      EXPECT_EQ(t.Entries[static_cast<std::size_t>(c.place)].Score, c.score);
    }
    EXPECT_EQ(t.Entries[11].Score, 278);  // places beyond Count are untouched
  }
  // Two players with the same score: the earlier one stays above.
  TtopTen t;
  EXPECT_EQ(t.AddScore("First", 500), 8);
  EXPECT_EQ(t.AddScore("Second", 500), 9);
  EXPECT_EQ(t.AddScore("Third", 500), 10);
  // At the last place an equal score takes the place.
  EXPECT_EQ(t.AddScore("Fourth", 500), 10);
  EXPECT_EQ(Scores(t, 10),
            (std::vector<int32_t>{930, 860, 790, 720, 650, 580, 510, 500, 500, 500}));
  EXPECT_EQ(t.Entries[8].Name, "First");
  EXPECT_EQ(t.Entries[9].Name, "Second");
  EXPECT_EQ(t.Entries[10].Name, "Fourth");
}

TEST_F(TopTen, LinesNameTheWinnerForASemicolon) {
  TtopTen t;
  t.SetName(2, "a;b");
  t.SetName(0, "nobody");
  t.SetName(11, "nobody");
  auto lines = t.GetLines(3);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "the Winner;860;" + host.ShortDateText(host.now));
  EXPECT_EQ(t.Entries[2].Name, "the Winner");  // in the table too
  EXPECT_EQ(t.GetLines(0).size(), 10u);
  t.SetName(1, std::string(250, 'n'));
  EXPECT_EQ(t.GetLines(1)[0].size(), 255u);
}

TEST_F(TopTen, TableFileByteForByte) {
  TtopTen t;
  EXPECT_EQ(t.LoadTable("wordtris"), kFileNotFound);
  EXPECT_EQ(t.FileName, dir / "wordtris.klt");
  EXPECT_EQ(t.SaveTable(10), kFileClosed - 1);  // opened
  const std::string bytes = test::ReadFile(dir / "wordtris.klt");
  ASSERT_EQ(bytes.size(), 5140u);
  RawBytes first(514);
  first.Text(0, "Tapquill").I16(256, 930).Text(258, host.ShortDateText(host.now));
  EXPECT_EQ(bytes.substr(0, 514), first.bytes);

  // A score above 32767 is kept at 32767 so it never comes back negative.
  EXPECT_EQ(t.AddScore("Ace", 40000), 1);
  EXPECT_EQ(t.AddScore("Low", -40000), 0);
  t.Entries[10].Score = -40000;
  t.SaveTable(0);
  TtopTen back;
  EXPECT_EQ(back.LoadTable("wordtris"), kFileGood);
  EXPECT_EQ(back.Count, 10);
  EXPECT_EQ(back.Entries[1].Name, "Ace");
  EXPECT_EQ(back.Entries[1].Score, 32767);
  EXPECT_EQ(back.Entries[10].Score, -32768);
  EXPECT_EQ(back.Entries[2].Score, 930);
}

TEST_F(TopTen, CutAndOddFiles) {
  const std::string full = TableFile({{"A", 900},
                                      {"B", 800},
                                      {"C", 700},
                                      {"D", 600},
                                      {"E", 500},
                                      {"F", 400},
                                      {"G", 300},
                                      {"H", 200},
                                      {"I", 100},
                                      {"J", 50}});
  // Every length: the whole places are read; a file without a whole place
  // keeps ten.
  // Cutting one file shorter and shorter spares the file system a new file
  // (or an emptied one) per length.
  test::WriteFile(dir / "cut.klt", full);
  for (std::size_t len = full.size() + 1; len-- > 0;) {
    SCOPED_TRACE(len);
    std::filesystem::resize_file(dir / "cut.klt", len);
    TtopTen t;
    ASSERT_EQ(t.LoadTable("cut"), kFileGood);
    const int whole = static_cast<int>(len / 514);
    ASSERT_EQ(t.Count, whole >= 1 ? whole : 10);
    if (whole >= 1) {
      EXPECT_EQ(t.Entries[static_cast<std::size_t>(whole)].Score,
                whole == 10 ? 50 : 1000 - 100 * whole);
    }
    if (whole == 0) {
      // Ten places read from a file that does not hold one: what the
      // first read reached is taken, the rest keep the defaults.
      EXPECT_EQ(t.Entries[1].Score, len >= 258 ? 900 : 930);
      EXPECT_EQ(t.Entries[2].Score, 860);
    }
  }
  // A file of 3 bytes: ten default places, written out whole on saving.
  test::WriteFile(dir / "bubbles.klt", "abc");
  TtopTen small;
  EXPECT_EQ(small.LoadTable("bubbles"), kFileGood);
  EXPECT_EQ(Scores(small, 2), (std::vector<int32_t>{930, 860}));
  EXPECT_EQ(small.AddScore("P", 299), 0);
  EXPECT_EQ(small.SaveTable(0), kFileGood);
  EXPECT_EQ(test::ReadFile(dir / "bubbles.klt").size(), 5140u);

  // More places than a table holds: the first hundred.
  std::string many;
  for (int i = 0; i < 150; ++i) many += TableFile({{"M", 1000 - i}});
  test::WriteFile(dir / "Clouds.klt", many);
  TtopTen big;
  EXPECT_EQ(big.LoadTable("Clouds"), kFileGood);
  EXPECT_EQ(big.Count, 100);
  EXPECT_EQ(big.Entries[100].Score, 901);
  EXPECT_EQ(big.AddScore("N", 950), 52);  // below the 950 already there
  EXPECT_EQ(big.SaveTable(500), kFileGood);
  EXPECT_EQ(big.Count, 100);
  EXPECT_EQ(test::ReadFile(dir / "Clouds.klt").size(), many.size());  // never shortened
}

TEST_F(TopTen, ABusyTableIsRetriedAskedAndReported) {
  test::WriteFile(dir / "wordtris.klt", TableFile({{"Held", 999}}));
  test::LockHolder other(dir / "wordtris.klt", TRecFile::kShareExclusive);
  ASSERT_TRUE(other.holding());
  TtopTen t;
  EXPECT_EQ(t.LoadTable("wordtris"), kFileOpenFailed);
  EXPECT_EQ(t.Entries[1].Score, 930);  // the defaults are shown
  EXPECT_EQ(host.slept, 14u * 200);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].text,
            "The network is busy because of other users, do you want to try again?");
  EXPECT_EQ(t.SaveTable(0), kFileOpenFailed);
  ASSERT_EQ(Errors().size(), 2u);
  EXPECT_EQ(Errors()[0],
            "#-802 Time out while opening for write-denied read mode\n\rwordtris Topten open "
            "failed.");
  EXPECT_EQ(Errors()[1].substr(0, 5), "#-801");
  other.Release();
  EXPECT_EQ(test::ReadFile(dir / "wordtris.klt"), TableFile({{"Held", 999}}));
}

}  // namespace
}  // namespace tq
