// The game pages and the top-ten page: a game played through the book
// window to its end, the two seconds after "Game over.", the score entered in
// the game's table, and the name box of the top ten.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <string>

#include "core/exercises/event_factory.h"
#include "core/files/paths.h"
#include "core/records/top_ten.h"
#include "core/shell/program_settings.h"
#include "gui/course/chapter_views.h"
#include "gui/exercises/event_fixture.h"
#include "gui/games/game_events.h"
#include "gui/games/top_ten_view.h"
#include "gui/storage/event_page_stg.h"
#include "gui/widgets/controls.h"

namespace tq {
namespace {

using test::PageScript;

class GamesTest : public test::EventPageTest {
 protected:
  void SetUp() override {
    EventPageTest::SetUp();
    oldDataPath = Settings().DataPath;
    Settings().DataPath = data.path();
  }
  void TearDown() override {
    Settings().DataPath = oldDataPath;
    ChapterView().AttachedView1 = nullptr;
    EventPageTest::TearDown();
  }
  TtopTen Table(const std::string& name) {
    TtopTen t;
    t.LoadTable(name);
    return t;
  }
  test::TempDir data;
  std::string oldDataPath;
};

TEST_F(GamesTest, TheTopTenTakesANameOnTheNewRow) {
  TTopTenView& view = TopTenView();
  view.AddScore("bubbles", "Ann", 299);
  EXPECT_EQ(view.NewRank, 0);
  EXPECT_FALSE(view.EnteringName());
  EXPECT_EQ(view.NameLabels[0]->Caption().toStdString(), "Tapquill");
  EXPECT_EQ(view.PointsLabels[9]->Caption().toStdString(), "300");
  // A score equal to the tenth gets in as tenth.
  view.AddScore("bubbles", "Ann", 300);
  ASSERT_EQ(view.NewRank, 10);
  EXPECT_TRUE(view.EnteringName());
  EXPECT_EQ(view.NameBox->y(), view.NameLabels[9]->y() - 4);
  EXPECT_EQ(view.NameBox->text().toStdString(), "Ann");
  // Nothing is written until the name is taken.
  EXPECT_EQ(Table("bubbles").Entries[10].Name, "Tapquill");
  view.NameBox->clear();
  view.CommitName();
  EXPECT_FALSE(view.EnteringName());
  EXPECT_EQ(view.NameLabels[9]->Caption().toStdString(), "Anonymous");
  EXPECT_EQ(Table("bubbles").Entries[10].Name, "Anonymous");

  // Typed into the book window, keys go into the box: digits too.
  view.AddScore("bubbles", "", 400);
  ASSERT_EQ(view.NewRank, 9);
  for (char c : std::string("7Bo7x")) {
    char key = c;
    view.KeyPress(key);
    EXPECT_EQ(key, 0);
  }
  int back = kVkBack;
  view.KeyDown(back, 0);
  int enter = kVkReturn;
  view.KeyDown(enter, 0);
  EXPECT_EQ(enter, 0);
  EXPECT_EQ(Table("bubbles").Entries[9].Name, "7Bo7");

  // Leaving the page takes the name too; a long name is cut to 255.
  view.AddScore("bubbles", "Bob", 5000);
  ASSERT_EQ(view.NewRank, 1);
  view.NameBox->setMaxLength(400);
  view.NameBox->setText(QString(300, QChar(0xE9)));
  view.HidePage();
  const std::string stored = Table("bubbles").Entries[1].Name;
  EXPECT_EQ(stored, std::string(255, '\xE9'));
  EXPECT_EQ(Table("bubbles").Entries[2].Name, "Tapquill");
}

TEST_F(GamesTest, AGameEndsOnGameOverWaitsAndEntersItsScore) {
  std::unique_ptr<StudyEvent> made = Events().Create("WORDTRIS", "event=WORDTRIS;1;NIL");
  ASSERT_TRUE(made);
  auto* event = dynamic_cast<TWTrisEvent*>(made.get());
  ASSERT_NE(event, nullptr);
  bool cardShown = false, blockedAfterEnd = false, stillOpen = false;
  QRgb corner = 0;
  std::string over;
  PageScript script(20000);
  script
      .When([&] { return event->InLoop(); },
            [&] {
              cardShown = event->InstructionCard->isVisible();
              Type("x");  // starts: the beam reads "n/a"
              Type("n/a ");
              // Let every later beam land: six rows' worth of ticks each.
              for (int i = 0; i < 200 && event->Model()->State() != kGameOver; ++i) {
                host.ticks += 5000;
                event->RunLoop();
              }
              over = EventPageStg()->MsgLabel1->Caption().toStdString();
              // The machine around the box was painted once, and stays.
              corner = event->Buffer().pixel(5, 5);
              blockedAfterEnd = event->KeysBlocked();
              Press(Qt::Key_Return);  // too early: ignored
              stillOpen = event->InLoop();
            })
      .When([&] { return !event->KeysBlocked(); }, [&] { Press(Qt::Key_Return); });
  EXPECT_EQ(made->Run(), kEventNext);
  EXPECT_TRUE(cardShown);
  EXPECT_EQ(over, "Game over.");
  EXPECT_TRUE(blockedAfterEnd);
  EXPECT_TRUE(stillOpen);
  EXPECT_NEAR(qRed(corner), 34, 3);
  EXPECT_NEAR(qBlue(corner), 63, 3);
  EXPECT_EQ(event->Model()->Points(), 10);
  EXPECT_EQ(event->Game().Missed.size(), 6u);
  EXPECT_EQ(ChapterView().AttachedView1, &TopTenView());
  EXPECT_TRUE(FileExists(data / "wordtris.klt"));
  EXPECT_EQ(TopTenView().NewRank, 0);  // 10 points reach no place
}

}  // namespace
}  // namespace tq
