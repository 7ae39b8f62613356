#include "gui/shell/book_form.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "gui/shell/form_view.h"
#include "support/fake_host.h"

namespace tq {
namespace {

// A control that records the keys that reach it.
class KeySink : public QWidget {
 public:
  using QWidget::QWidget;
  std::vector<int> keys;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    // The test tool presses the shift keys as keys of their own.
    const int k = e->key();
    if (k != Qt::Key_Control && k != Qt::Key_Shift && k != Qt::Key_Alt) keys.push_back(k);
    e->ignore();  // travels on to the parents
  }
};

class BookFormTest : public testing::Test {
 protected:
  void SetUp() override {
    host.Install();
    ResetApplicationTerminated();
    book = std::make_unique<TBookForm>();
    SetBookForm(book.get());
    book->CreateCoverControls();
  }
  void TearDown() override {
    SetBookForm(nullptr);
    ResetApplicationTerminated();
  }
  test::FakeHost host;
  std::unique_ptr<TBookForm> book;
};

TEST_F(BookFormTest, SetButtonsShowsTheButtonsOfTheMaskWithTheirCaptions) {
  struct Case {
    int mask;
    std::vector<const char*> visible;
  } cases[] = {
      {6, {"Next", "NextLabel", "Back", "BackLabel"}},
      {1, {"BeginB", "BeginLabel"}},
      {8 | 32, {"Cancel", "CancelLabel", "SkipB", "SkipBLabel"}},
      {16, {"SkipF", "SkipFLabel"}},
      {0, {}},
  };
  const char* all[] = {"BeginB",    "Next",        "Back",       "Cancel",
                       "SkipF",     "SkipB",       "BeginLabel", "NextLabel",
                       "BackLabel", "CancelLabel", "SkipFLabel", "SkipBLabel"};
  for (const Case& c : cases) {
    book->SetButtons(c.mask);
    EXPECT_EQ(book->ButtonSet(), c.mask);
    EXPECT_EQ(book->BtnConsole->isHidden(), c.mask == 0) << c.mask;
    for (const char* name : all) {
      bool expected = std::find_if(c.visible.begin(), c.visible.end(), [&](const char* v) {
                        return std::string(v) == name;
                      }) != c.visible.end();
      QWidget* w = book->BtnConsole->findChild<QWidget*>(name);
      ASSERT_NE(w, nullptr) << name;
      EXPECT_EQ(!w->isHidden(), expected) << "mask " << c.mask << " " << name;
    }
  }
}

TEST_F(BookFormTest, SetLayoutShowsThePanelsOfEachMode) {
  struct Case {
    int mode;
    bool book, cover, wide, twoPages;
  } cases[] = {{1, true, false, true, false},
               {2, true, false, false, true},
               {0, false, true, false, true},  // the pages keep their last state
               {3, false, false, false, true},
               {9, false, false, false, true}};  // unknown modes change nothing
  for (const Case& c : cases) {
    book->SetLayout(c.mode);
    EXPECT_EQ(!book->Book->isHidden(), c.book) << c.mode;
    EXPECT_EQ(!book->BookCover->isHidden(), c.cover) << c.mode;
    EXPECT_EQ(!book->WidePage->isHidden(), c.wide) << c.mode;
    for (QWidget* w :
         {static_cast<QWidget*>(book->LeftPage), static_cast<QWidget*>(book->RightPage),
          static_cast<QWidget*>(book->PageSeparator)})
      EXPECT_EQ(!w->isHidden(), c.twoPages) << c.mode << " " << w->objectName().toStdString();
  }
  EXPECT_EQ(book->Book->height(), TBookForm::kBookHeight);
}

TEST_F(BookFormTest, ConsoleStyleChoosesTheFrontBackground) {
  auto index = [&](QWidget* w) { return book->BtnConsole->children().indexOf(w); };
  for (int style : {1, 0, 2}) {
    book->SetConsoleStyle(style);
    EXPECT_EQ(book->ConsoleStyle(), style);
    QWidget* front = style == 1 ? book->ConsolePic1 : book->ConsolePic2;
    QWidget* behind = style == 1 ? book->ConsolePic2 : book->ConsolePic1;
    EXPECT_GT(index(front), index(behind)) << style;
    // Both stay behind every button.
    for (QWidget* b : {book->SkipB, book->Next, book->BeginB}) EXPECT_LT(index(front), index(b));
  }
}

TEST_F(BookFormTest, WindowHasItsClientSizeAndTheBookInTheMiddle) {
  book->show();
  EXPECT_EQ(book->size(), QSize(898, 739));
  EXPECT_EQ(book->Book->geometry(), QRect((898 - 779) / 2, (739 - 520) / 2, 779, 520));
  EXPECT_EQ(book->BookCover->geometry(), QRect((898 - 329) / 2, (739 - 504) / 2, 329, 504));
  book->resize(1001, 801);
  EXPECT_EQ(book->Book->pos(), QPoint((1001 - 779) / 2, (801 - 520) / 2));
}

TEST_F(BookFormTest, CaptionsComeFromTheStringTable) {
  EXPECT_EQ(book->TitleGuided->Caption(), "Studying");
  EXPECT_EQ(book->TitleOptions->Caption(), "Settings");
  EXPECT_EQ(book->LogVisitor->text(), "&Visitor");
  EXPECT_EQ(book->SkipBLabel->Caption(), "S&kip");
  EXPECT_EQ(book->LoadLabel->Caption(), "Loading, please wait...");
  EXPECT_EQ(book->SkipBLabel->geometry(), QRect(9, 58, 55, 16));
  EXPECT_EQ(book->NextLabel->font(), book->BeginLabel->font());
}

TEST_F(BookFormTest, TabKeysSwitchTabsAndOtherKeysReachThePage) {
  book->show();
  auto* sink = new KeySink(book->WidePage);
  sink->setFocusPolicy(Qt::StrongFocus);
  book->SetLayout(1);
  sink->show();
  sink->setFocus();

  int next = 0, previous = 0;
  std::vector<std::pair<int, ShiftState>> pageKeys;
  book->OnNextTab = [&] { ++next; };
  book->OnPreviousTab = [&] { ++previous; };
  book->OnKeyDown = [&](int& key, ShiftState shift) {
    if (key != kVkControl && key != kVkShift && key != kVkMenu) pageKeys.emplace_back(key, shift);
  };

  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int next, previous;
    bool reachesPage;
  } cases[] = {
      {Qt::Key_Tab, Qt::ControlModifier, 1, 0, false},
      {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, 0, 1, false},
      {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 0, 1, false},
      {Qt::Key_Tab, Qt::ControlModifier | Qt::AltModifier, 0, 0, true},
      {Qt::Key_A, Qt::ControlModifier, 0, 0, true},
  };
  for (const Case& c : cases) {
    next = previous = 0;
    pageKeys.clear();
    sink->keys.clear();
    QTest::keyClick(sink, c.key, c.mods);
    EXPECT_EQ(next, c.next) << c.key << " " << c.mods;
    EXPECT_EQ(previous, c.previous) << c.key << " " << c.mods;
    // The window previews a key once, even when the control passes it on.
    EXPECT_EQ(pageKeys.size(), c.reachesPage ? 1u : 0u) << c.key << " " << c.mods;
    EXPECT_EQ(sink->keys.size(), c.reachesPage ? 1u : 0u) << c.key << " " << c.mods;
  }
  // Ctrl+Alt+Tab arrives as an ordinary Tab with both shift keys.
  pageKeys.clear();
  QTest::keyClick(sink, Qt::Key_Tab, Qt::ControlModifier | Qt::AltModifier);
  ASSERT_EQ(pageKeys.size(), 1u);
  EXPECT_EQ(pageKeys[0], std::make_pair(kVkTab, kSsCtrl | kSsAlt));

  // Without handlers the tab keys are still consumed.
  book->OnNextTab = nullptr;
  sink->keys.clear();
  QTest::keyClick(sink, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_TRUE(sink->keys.empty());
}

TEST_F(BookFormTest, PageHandlersConsumeKeysAndGetTypedCharacters) {
  book->show();
  auto* sink = new KeySink(book->WidePage);
  sink->setFocusPolicy(Qt::StrongFocus);
  book->SetLayout(1);
  sink->show();
  sink->setFocus();
  std::vector<unsigned char> typed;
  book->OnKeyDown = [](int& key, ShiftState) {
    if (key == kVkReturn) key = 0;
  };
  book->OnKeyPress = [&](char& ch) { typed.push_back(static_cast<unsigned char>(ch)); };

  QTest::keyClick(sink, Qt::Key_Return);
  EXPECT_TRUE(sink->keys.empty());
  EXPECT_TRUE(typed.empty());  // a consumed key types nothing

  QTest::sendKeyEvent(QTest::Press, sink, Qt::Key_Eacute, QString::fromUtf8("\xc3\xa9"),
                      Qt::NoModifier);
  ASSERT_FALSE(typed.empty());
  EXPECT_EQ(typed.back(), 0xE9);  // é in the 1252 code page

  typed.clear();
  QTest::keyClick(sink, Qt::Key_N, Qt::AltModifier);
  EXPECT_TRUE(typed.empty());  // Alt combinations type nothing
}

// A page that takes typed keys only is told of pasted input, which goes no
// further; without such a page the keys travel as before.
TEST_F(BookFormTest, PastedInputReachesOnlyThePasteHandler) {
  book->show();
  auto* sink = new KeySink(book->WidePage);
  sink->setFocusPolicy(Qt::StrongFocus);
  book->SetLayout(1);
  sink->show();
  sink->setFocus();
  int pasted = 0;
  std::string typed;
  book->OnKeyPress = [&](char& ch) { typed += ch; };
  book->OnPaste = [&] { ++pasted; };
  QTest::keyClick(sink, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(sink, Qt::Key_Insert, Qt::ShiftModifier);
  QTest::sendKeyEvent(QTest::Press, sink, Qt::Key_unknown, QStringLiteral("pasted"),
                      Qt::NoModifier);
  QTest::mouseClick(sink, Qt::MiddleButton);
  QTest::mouseClick(sink, Qt::LeftButton);  // an ordinary click is no paste
  QTest::keyClick(sink, 'V', Qt::ShiftModifier);
  EXPECT_EQ(pasted, 4);
  EXPECT_EQ(typed, "V");
  book->OnPaste = nullptr;
  QTest::sendKeyEvent(QTest::Press, sink, Qt::Key_unknown, QStringLiteral("ab"), Qt::NoModifier);
  EXPECT_EQ(typed, "Vab");
  EXPECT_EQ(pasted, 4);
}

TEST_F(BookFormTest, EnterAndEscapeClickTheDialogButtonsOfTheCover) {
  book->show();
  book->SetLayout(0);
  for (QWidget* w : {static_cast<QWidget*>(book->NameField), static_cast<QWidget*>(book->LogOK),
                     static_cast<QWidget*>(book->LogVisitor)})
    w->show();
  QSignalSpy ok(book->LogOK, &QPushButton::clicked);
  QSignalSpy visitor(book->LogVisitor, &QPushButton::clicked);
  book->NameField->setFocus();
  QTest::keyClicks(book->NameField->lineEdit(), "ann");
  QTest::keyClick(book->NameField->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(ok.count(), 1);
  EXPECT_EQ(visitor.count(), 0);
  EXPECT_EQ(book->NameField->count(), 0);  // Enter does not add the name to the list

  for (QWidget* w : {static_cast<QWidget*>(book->NameField), static_cast<QWidget*>(book->LogOK),
                     static_cast<QWidget*>(book->LogVisitor)})
    w->hide();
  book->UserYes->show();
  book->UserCancel->show();
  QSignalSpy yes(book->UserYes, &QPushButton::clicked);
  QSignalSpy cancel(book->UserCancel, &QPushButton::clicked);
  book->UserYes->setFocus();
  QTest::keyClick(book->UserYes, Qt::Key_Escape);
  EXPECT_EQ(cancel.count(), 1);
  EXPECT_EQ(yes.count(), 0);
}

TEST_F(BookFormTest, ARefusedCloseKeepsTheWindowOpen) {
  book->show();
  bool allow = false;
  book->OnCloseQuery = [&](QWidget*, bool& canClose) { canClose = allow; };
  book->close();
  EXPECT_TRUE(book->isVisible());
  EXPECT_FALSE(ApplicationTerminated());
  allow = true;
  book->close();
  EXPECT_FALSE(book->isVisible());
  EXPECT_TRUE(ApplicationTerminated());
}

TEST_F(BookFormTest, CaretStopsBlinkingWithoutInputAndBlinksAgainOnAKey) {
  const int flash = QApplication::cursorFlashTime();
  ASSERT_GT(flash, 0);
  book->show();
  book->SetLayout(0);
  book->NameField->show();
  book->SetCaretBlinkTimeout(20);
  QTest::qWait(60);
  EXPECT_EQ(QApplication::cursorFlashTime(), 0);
  QTest::keyClick(book->NameField->lineEdit(), Qt::Key_A);
  EXPECT_EQ(QApplication::cursorFlashTime(), flash);
  book.reset();  // the book leaves the flash time as it found it
  EXPECT_EQ(QApplication::cursorFlashTime(), flash);
}

TEST_F(BookFormTest, PaintsTheOpenBookWithWhitePagesOnTheBackground) {
  book->SetLayout(2);
  book->show();
  QImage image = book->grab().toImage();
  const QPoint book0 = book->Book->pos();
  auto at = [&](QPoint p) { return QColor(image.pixel(p)); };
  // Inside the left and right pages: white paper.
  EXPECT_EQ(at(book0 + QPoint(28 + 100, 74 + 300)), QColor(Qt::white));
  EXPECT_EQ(at(book0 + QPoint(405 + 200, 74 + 200)), QColor(Qt::white));
  // The desk around the book is not.
  EXPECT_NE(at(QPoint(5, 5)), QColor(Qt::white));
  // The spine between the pages is shaded in its middle.
  EXPECT_LT(at(book0 + QPoint(370 + 17, 61 + 200)).lightness(), 240);
}

}  // namespace
}  // namespace tq
