// The wizard's letter-pair option: offered only when the student has slow
// pairs, it allows only the word drill, and it builds one of words rich in
// those pairs.

#include <gtest/gtest.h>

#include <QRadioButton>
#include <memory>

#include "core/files/paths.h"
#include "core/records/difficult_keys.h"
#include "core/records/letter_pairs.h"
#include "core/records/user.h"
#include "core/shell/program_settings.h"
#include "gui/exercises/event_registry.h"
#include "gui/exercises/event_views.h"
#include "gui/gui_support.h"
#include "gui/review/builder_view.h"
#include "gui/shell/book_form.h"
#include "gui/storage/builder_stg.h"
#include "gui/storage/storage_forms.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

class PairOptionTest : public testing::Test {
 protected:
  void SetUp() override {
    host.Install();
    ResetApplicationTerminated();
    for (const char* name : {"Beginner.cnt", "Beginner.hdr", "Beginner.dta", "Animals.vcb"})
      CopyFileTo(std::string(TAPQUILL_DATA_DIR "/") + name, dir / name);
    book = std::make_unique<TBookForm>();
    SetBookForm(book.get());
    CreateStorageForms();
    RegisterEventPages();
    SetCurrentUser(std::make_unique<TUser>("Pat", true));
    CurrentUser().SetContents("Beginner.cnt");
    CurrentUser().BookMark.Chapter = 6;
    Settings() = TProgramSettings{};
    DifficultKeys().Clear();
    LetterPairs().Open({});  // kept in memory only
  }
  void TearDown() override {
    SetCurrentUser(nullptr);
    UnregisterEventPages();
    DestroyStorageForms();
    SetBookForm(nullptr);
    book.reset();
    ResetApplicationTerminated();
  }

  static void Slow(const char* pair, int ms) {
    for (int i = 0; i < TLetterPairs::kMinIntervals; ++i)
      LetterPairs().AddPair(pair[0], pair[1], ms);
  }

  // Runs the review event; `onPage` acts on the wizard page, and a drill it
  // builds is closed at once with its text kept.
  int RunWizard(const std::function<void(TBuilderView&, TBuilderStg&)>& onPage) {
    test::ScopedCurrentDir cwd(dir.path());
    TBuilderEvent event("Event;Builder;0;NIL");
    EventSetup setup;
    setup.InCourse = false;
    setup.KeyLevel = 6;
    event.Prepare(setup);
    test::PageScript script;
    script
        .When([] { return dynamic_cast<TBuilderView*>(CurrentView()) != nullptr; },
              [&] {
                auto* page = dynamic_cast<TBuilderView*>(CurrentView());
                onPage(*page, *StorageForms().BuilderStg);
                if (CurrentView() == page) page->PageButtonClick(QStringLiteral("Next"));
              })
        .When([] { return dynamic_cast<TEvent*>(CurrentView()) != nullptr; },
              [&] {
                drillText = dynamic_cast<TEvent*>(CurrentView())->Text().value_or("");
                QueryCloseCurrentView();
              });
    const int result = event.Run();
    pageSeen = script.Done();
    return result;
  }

  test::FakeHost host;
  test::TempDir dir;
  std::unique_ptr<TBookForm> book;
  std::string drillText;
  bool pageSeen = false;
};

TEST_F(PairOptionTest, NoSlowPairsYet) {
  RunWizard([](TBuilderView& page, TBuilderStg& stg) {
    EXPECT_FALSE(stg.SlowPairs->isEnabled());
    EXPECT_EQ(stg.PairsText->Caption(), QStringLiteral("none yet: type a few exercises first"));
    page.PageButtonClick(QStringLiteral("Back"));
  });
  EXPECT_TRUE(drillText.empty());
}

TEST_F(PairOptionTest, BuildsAWordDrillRichInTheSlowPairs) {
  Slow("as", 600);
  Slow("ed", 500);
  Slow("la", 120);
  Slow("qu", 900);  // "q" is not studied by lesson 6: not offered
  LetterPairs().FoldNewCounts();
  RunWizard([](TBuilderView&, TBuilderStg& stg) {
    EXPECT_TRUE(stg.SlowPairs->isEnabled());
    EXPECT_EQ(stg.PairsText->Caption(), QStringLiteral("as ed la"));
    stg.BubblesGame->setChecked(true);
    stg.SlowPairs->setChecked(true);
    // Pairs are drilled in words only.
    EXPECT_TRUE(stg.Keyboard->isChecked());
    EXPECT_FALSE(stg.BubblesGame->isEnabled());
    EXPECT_FALSE(stg.WordTrisGame->isEnabled());
    stg.ChooseKeys->setChecked(true);
    EXPECT_TRUE(stg.BubblesGame->isEnabled());
    stg.SlowPairs->setChecked(true);
  });
  EXPECT_TRUE(pageSeen);
  ASSERT_FALSE(drillText.empty()) << (host.messages.empty() ? "" : host.messages[0].text);
  int words = 0;
  for (std::size_t at = 0, end; (end = drillText.find("\r\n", at)) != std::string::npos;
       at = end + 2, ++words) {
    const std::string word = drillText.substr(at, end - at);
    EXPECT_TRUE(word.find("as") != std::string::npos || word.find("ed") != std::string::npos ||
                word.find("la") != std::string::npos)
        << word;
  }
  EXPECT_GT(words, 3);
  EXPECT_LE(words, 3 * 8);
}

}  // namespace
}  // namespace tq
