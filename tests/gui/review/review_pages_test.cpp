// The review pages: the wizard page's key choices, the story selection page
// with the student's own texts, and a review built from the wizard running
// as a word drill.

#include <gtest/gtest.h>

#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

#include "core/files/paths.h"
#include "core/records/difficult_keys.h"
#include "core/records/user.h"
#include "core/shell/program_settings.h"
#include "gui/exercises/event_registry.h"
#include "gui/exercises/event_views.h"
#include "gui/exercises/view_canvas_widget.h"
#include "gui/gui_support.h"
#include "gui/review/builder_view.h"
#include "gui/review/choose_text_view.h"
#include "gui/review/wiz_result_view.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/storage/builder_stg.h"
#include "gui/storage/event_view_stg.h"
#include "gui/storage/storage_forms.h"
#include "gui/widgets/graph.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

class ReviewPagesTest : public testing::Test {
 protected:
  void SetUp() override {
    host.Install();
    ResetApplicationTerminated();
    for (const char* name : {"Beginner.cnt", "Beginner.hdr", "Beginner.dta", "Clockmaker.exm",
                             "Lighthouse.exm", "qwerty.kbd"})
      CopyFileTo(std::string(TAPQUILL_DATA_DIR "/") + name, dir / name);
    book = std::make_unique<TBookForm>();
    SetBookForm(book.get());
    CreateStorageForms();
    RegisterEventPages();
    SetCurrentUser(std::make_unique<TUser>("Pat", true));
    CurrentUser().SetContents("Beginner.cnt");
    CurrentUser().BookMark.Chapter = 3;
    Settings() = TProgramSettings{};
    DifficultKeys().Clear();
  }
  void TearDown() override {
    SetCurrentUser(nullptr);
    UnregisterEventPages();
    DestroyStorageForms();
    SetBookForm(nullptr);
    book.reset();
    ResetApplicationTerminated();
  }

  // Runs a page; `look` sees it open and then it is closed.
  template <class Page>
  int Run(Page& page, const std::function<void()>& look) {
    test::ScopedCurrentDir cwd(dir.path());
    test::PageScript script;
    script.When([&] { return page.InLoop(); },
                [&] {
                  look();
                  if (page.Active()) QueryCloseCurrentView();
                });
    const int result = page.Execute();
    EXPECT_TRUE(script.Done());
    return result;
  }

  test::FakeHost host;
  test::TempDir dir;
  std::unique_ptr<TBookForm> book;
};

TEST_F(ReviewPagesTest, WizardPreselectsTheKeysItCanOffer) {
  struct Case {
    const char* what;
    bool difficult;  // a key above 50
    const char* currentKeys;
    const char* checked;
  } cases[] = {
      {"difficult keys first", true, "to", "DifficultKeys"},
      {"no difficult key: the current keys", false, "to", "CurrentKeys"},
      {"neither: keys of his own", false, "", "ChooseKeys"},
  };
  for (const Case& c : cases) {
    DifficultKeys().Clear();
    if (c.difficult) {
      for (int i = 0; i < 40; ++i) DifficultKeys().AddKeystroke('q', i % 2 == 0);
      DifficultKeys().FoldNewCounts();
    }
    TBuilderView page;
    page.Setup.CurrentKeysText = c.currentKeys;
    page.Setup.CurrentKeysEnabled = *c.currentKeys != 0;
    Run(page, [&] {
      TBuilderStg& stg = *StorageForms().BuilderStg;
      EXPECT_EQ(BookForm()->Title->Caption(), "Review Wizard");
      EXPECT_EQ(stg.DifficultKeys->isEnabled(), c.difficult) << c.what;
      EXPECT_EQ(stg.DifKeys->Caption(), c.difficult ? "q" : "") << c.what;
      QRadioButton* checked = nullptr;
      for (QRadioButton* r : {stg.CurrentKeys, stg.DifficultKeys, stg.ChooseKeys})
        if (r->isChecked()) checked = r;
      ASSERT_TRUE(checked) << c.what;
      EXPECT_EQ(checked->objectName(), c.checked) << c.what;
      // Typing keys of his own chooses that option.
      stg.YourKeys->setFocus();
      QTest::keyClicks(stg.YourKeys, "ab");
      EXPECT_TRUE(stg.ChooseKeys->isChecked());
      EXPECT_EQ(page.TypedKeys(), "ab");
    });
  }
}

TEST_F(ReviewPagesTest, StoryListWithTheStudentsOwnTexts) {
  ForceDirectories(dir / "mine");
  test::WriteFile(dir / "mine/notes.v2.txt", "My own words.\r\n");
  test::WriteFile(dir / "mine/titled.txt", "$description=A Walk\r\n$author=Pat\r\nWe walked.\r\n");
  TChooseTextView page;
  page.CurrentStory = "Lighthouse.exm";
  {
    test::ScopedCurrentDir cwd(dir.path());
    EXPECT_EQ(page.BuildTextList("*.exm", dir / "mine/"), 0);
  }
  ASSERT_EQ(page.FileNames.size(), 4u);
  EXPECT_EQ(page.FileNames[0], "Clockmaker.exm");
  EXPECT_EQ(page.FileNames[2], dir / "mine/notes.v2.txt");
  auto* list = StorageForms().EventViewStg->findChild<QListWidget*>(QStringLiteral("TextList"));
  ASSERT_TRUE(list);
  EXPECT_EQ(list->item(2)->text(), "[User file];notes.v2");
  EXPECT_EQ(list->item(3)->text(), "Pat:;A Walk");

  // Enter with "Continue" checked goes on with the story he typed last.
  const int result = Run(page, [&] {
    EXPECT_EQ(BookForm()->Title->Caption(), "Story Typing");
    EXPECT_EQ(list->currentRow(), -1);
    int key = kVkReturn;
    page.KeyDown(key, 0);
  });
  EXPECT_EQ(result, TChooseTextView::kContinue);
  EXPECT_EQ(page.FileName, "Clockmaker.exm");  // unchanged: the first listed

  // A new story: picking one shows its preview.
  page.CurrentStory.clear();
  const int chosen = Run(page, [&] {
    list->setCurrentRow(3);
    page.TextSelected();
    EXPECT_FALSE(page.Preview->isHidden());
    page.ButtonClick(QStringLiteral("Next"));
  });
  EXPECT_EQ(chosen, TChooseTextView::kNew);
  EXPECT_EQ(page.FileName, dir / "mine/titled.txt");
}

TEST_F(ReviewPagesTest, TheWizardBuildsAWordDrillAndComparesTheKeys) {
  for (int i = 0; i < 40; ++i) DifficultKeys().AddKeystroke('e', i % 2 == 0);
  DifficultKeys().FoldNewCounts();
  test::ScopedCurrentDir cwd(dir.path());
  TBuilderEvent event("Event;Builder;0;NIL");
  EventSetup setup;
  setup.InCourse = false;
  setup.KeyLevel = 3;
  event.Prepare(setup);
  std::string drillText;
  test::PageScript script;
  script
      .When([] { return dynamic_cast<TBuilderView*>(CurrentView()) != nullptr; },
            [] {
              TBuilderStg& stg = *StorageForms().BuilderStg;
              EXPECT_FALSE(stg.CrazySentences->isEnabled());  // lesson 3
              EXPECT_TRUE(stg.DifficultKeys->isChecked());
              stg.Keyboard->setChecked(true);
              dynamic_cast<TBuilderView*>(CurrentView())->PageButtonClick(QStringLiteral("Next"));
            })
      .When([] { return dynamic_cast<TEvent*>(CurrentView()) != nullptr; },
            [&] {
              auto* drill = dynamic_cast<TEvent*>(CurrentView());
              drillText = drill->Text().value_or("");
              QueryCloseCurrentView();
            });
  const int result = event.Run();
  EXPECT_TRUE(script.Done()) << result << " "
                             << (host.messages.empty() ? "" : host.messages[0].text);
  // Ten words with "e" for the one difficult key, all of lessons up to 3.
  int lines = 0;
  for (std::size_t at = 0; (at = drillText.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
  EXPECT_EQ(lines, 10) << drillText;
  EXPECT_NE(drillText.find('e'), std::string::npos);
  EXPECT_EQ(WizResultView().Comparison.Keys[0], 'e');
  EXPECT_GT(WizResultView().Comparison.Before[0], 50.0f);
}

TEST_F(ReviewPagesTest, ResultsPageShowsEachKeyBeforeAndAfter) {
  for (int i = 0; i < 40; ++i) DifficultKeys().AddKeystroke('e', i % 2 == 0);
  DifficultKeys().FoldNewCounts();
  TWizResultView& view = WizResultView();
  view.SetKeys("etx");
  for (int i = 0; i < 200; ++i) DifficultKeys().AddKeystroke('e', false);
  DifficultKeys().FoldNewCounts();
  view.RecordAfter();
  Run(view, [&] {
    TGraph* before = BookForm()->LeftPage->findChild<TGraph*>(QStringLiteral("BeforeGraph"));
    TGraph* after = BookForm()->LeftPage->findChild<TGraph*>(QStringLiteral("AfterGraph"));
    ASSERT_TRUE(before && after);
    EXPECT_EQ(before->Plot().Labels,
              (std::vector<std::string>{"e", "t", "x", " ", " ", " ", " ", " "}));
    ASSERT_EQ(before->Plot().Values.size(), 8u);
    EXPECT_GT(before->Plot().Values[0], 50);
    EXPECT_LT(after->Plot().Values[0], before->Plot().Values[0]);
    for (std::size_t i = 1; i < 8; ++i) {
      EXPECT_EQ(before->Plot().Values[i], 0) << i;
      EXPECT_EQ(after->Plot().Values[i], 0) << i;
    }
  });
  // The graphs go with the page.
  EXPECT_FALSE(BookForm()->LeftPage->findChild<TGraph*>(QStringLiteral("BeforeGraph")));
}

}  // namespace
}  // namespace tq
