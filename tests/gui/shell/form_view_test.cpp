#include "gui/shell/form_view.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <memory>

#include "gui/gui_support.h"
#include "support/fake_host.h"

namespace tq {
namespace {

using test::PageScript;

// A page that records what happens to it.
class Probe : public TFormView {
 public:
  Probe(std::string name, std::vector<std::string>* log) : name_(std::move(name)), log_(log) {}
  bool IsSkipped() override {
    if (skip) StoreResult(skipResult);
    return skip;
  }
  void HidePage() override {
    if (log_) log_->push_back("hide " + name_);
    TFormView::HidePage();
  }
  void KeyDown(int& key, ShiftState shift) override {
    if (log_) log_->push_back("key " + name_);
    TFormView::KeyDown(key, shift);
  }
  void RefuseClose(bool refuse) {
    OnCloseQuery =
        refuse ? [](TFormView*, bool& r) { r = true; } : std::function<void(TFormView*, bool&)>();
  }
  bool skip = false;
  int skipResult = 0;

 private:
  std::string name_;
  std::vector<std::string>* log_;
};

class FormViewTest : public testing::Test {
 protected:
  void SetUp() override {
    host.Install();
    ResetApplicationTerminated();
  }
  void TearDown() override { ResetApplicationTerminated(); }
  test::FakeHost host;
};

TEST_F(FormViewTest, SetResultClosesUnlessRefused) {
  struct Case {
    int value;
    bool refuse;
    bool stillActive;
    int result;
  } cases[] = {{0, false, true, 0}, {1, false, false, 1}, {1, true, true, 0}, {3, false, false, 3}};
  for (const Case& c : cases) {
    Probe page("p", nullptr);
    page.Show();
    page.RefuseClose(c.refuse);
    page.SetResult(c.value);
    EXPECT_EQ(page.Active(), c.stillActive) << c.value << " refuse " << c.refuse;
    EXPECT_EQ(page.Result(), c.result) << c.value << " refuse " << c.refuse;
    EXPECT_EQ(CurrentView() == &page, c.stillActive);
    page.RefuseClose(false);
    bool refuse = false;
    page.CloseView(refuse);
  }
}

TEST_F(FormViewTest, RefusedResultKeepsExecuteRunning) {
  Probe page("p", nullptr);
  page.RefuseClose(true);
  bool stillLooping = false;
  PageScript script;
  script.When([&] { return page.InLoop(); }, [&] { page.SetResult(1); }).Then([&] {
    stillLooping = page.InLoop() && page.Active() && page.Result() == 0;
    page.RefuseClose(false);
    page.SetResult(2);
  });
  EXPECT_EQ(page.Execute(), 2);
  EXPECT_TRUE(stillLooping);
  EXPECT_FALSE(page.Active());
  EXPECT_EQ(CurrentView(), nullptr);
}

TEST_F(FormViewTest, AttachedViewsCloseFirstAndARefusalStopsTheRest) {
  std::vector<std::string> log;
  Probe main("main", &log), view1("view1", &log), view2("view2", &log);
  main.AttachedView1 = &view1;
  main.AttachedView2 = &view2;
  main.Show();
  EXPECT_EQ(CurrentView(), &main);
  EXPECT_TRUE(view1.Active() && view1.Passive() && view2.Active() && view2.Passive());

  // The page hands its keys to the attached views; passive views keep them.
  int key = 'A';
  main.KeyDown(key, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"key main", "key view1", "key view2"}));
  log.clear();

  view2.RefuseClose(true);
  bool refuse = false;
  main.CloseView(refuse);
  EXPECT_TRUE(refuse);
  EXPECT_FALSE(view1.Active());
  EXPECT_TRUE(view2.Active());
  EXPECT_TRUE(main.Active());
  EXPECT_EQ(CurrentView(), &main);
  EXPECT_EQ(log, (std::vector<std::string>{"hide view1"}));

  view2.RefuseClose(false);
  refuse = false;
  main.CloseView(refuse);
  EXPECT_FALSE(refuse);
  EXPECT_EQ(log, (std::vector<std::string>{"hide view1", "hide view2", "hide main"}));
  EXPECT_EQ(CurrentView(), nullptr);
}

TEST_F(FormViewTest, SkippedPageReturnsAtOnceWithItsOwnResult) {
  Probe other("other", nullptr);
  other.Show();
  Probe skipped("skipped", nullptr);
  skipped.skip = true;
  skipped.skipResult = 7;
  EXPECT_EQ(skipped.Execute(), 7);
  EXPECT_FALSE(skipped.Active());
  EXPECT_EQ(CurrentView(), &other);
  bool refuse = false;
  other.CloseView(refuse);
}

TEST_F(FormViewTest, BorrowedControlsComeBackInOrderWithTheirVisibility) {
  QWidget storage, target;
  auto* a = new QWidget(&storage);
  auto* b = new QWidget(&storage);
  auto* c = new QWidget(&storage);
  a->setObjectName("A");
  b->setObjectName("B");
  c->setObjectName("C");
  b->hide();
  auto names = [](QWidget& w) {
    std::string s;
    for (QObject* o : w.children()) s += o->objectName().toStdString();
    return s;
  };

  Probe page("p", nullptr);
  page.Show();
  page.BorrowChildren(&storage, &target);
  EXPECT_EQ(names(target), "ABC");
  EXPECT_EQ(names(storage), "");
  EXPECT_TRUE(b->isHidden());
  EXPECT_FALSE(a->isHidden());
  EXPECT_EQ(page.BorrowedCount(), 3);
  // Neither control nor parent missing: nothing is borrowed.
  page.BorrowControl(nullptr, &target);
  page.BorrowControl(a, nullptr);
  EXPECT_EQ(page.BorrowedCount(), 3);

  bool refuse = false;
  page.CloseView(refuse);
  EXPECT_EQ(names(storage), "ABC");
  EXPECT_EQ(names(target), "");
  EXPECT_TRUE(b->isHidden());
  EXPECT_FALSE(a->isHidden());
  EXPECT_EQ(page.BorrowedCount(), 0);
}

TEST_F(FormViewTest, ClosingANestedPageMakesTheOuterOneCurrentAgain) {
  Probe outer("outer", nullptr), inner("inner", nullptr);
  TFormView* currentAfterInner = nullptr;
  PageScript script;
  script
      .When([&] { return outer.InLoop(); },
            [&] {
              inner.Execute();
              currentAfterInner = CurrentView();
            })
      .When([&] { return inner.InLoop(); }, [&] { inner.SetResult(1); })
      .When([&] { return currentAfterInner != nullptr; }, [&] { outer.SetResult(5); });
  EXPECT_EQ(outer.Execute(), 5);
  EXPECT_EQ(currentAfterInner, &outer);
  EXPECT_EQ(CurrentView(), nullptr);
}

TEST_F(FormViewTest, TerminationEndsEveryRunningLoop) {
  Probe outer("outer", nullptr), inner("inner", nullptr);
  int innerResult = -1;
  PageScript script;
  script.When([&] { return outer.InLoop(); }, [&] { innerResult = inner.Execute(); })
      .When([&] { return inner.InLoop(); }, [] { TerminateApplication(); });
  EXPECT_EQ(outer.Execute(), 0);
  EXPECT_EQ(innerResult, 0);
  // Pages stay open until their owner closes them.
  EXPECT_TRUE(outer.Active());
  EXPECT_TRUE(inner.Active());
  // A loop started after termination ends at once.
  Probe late("late", nullptr);
  EXPECT_EQ(late.Execute(), 0);
  for (Probe* p : {&inner, &outer, &late}) {
    bool refuse = false;
    p->CloseView(refuse);
  }
}

TEST_F(FormViewTest, DestroyingAnActivePageWarnsAndGivesTheControlsBack) {
  QWidget storage, target;
  auto* control = new QWidget(&storage);
  {
    auto page = std::make_unique<Probe>("p", nullptr);
    page->Show();
    page->BorrowControl(control, &target);
    EXPECT_EQ(control->parentWidget(), &target);
  }
  EXPECT_EQ(control->parentWidget(), &storage);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Destroying an active view!");
  EXPECT_EQ(CurrentView(), nullptr);
}

TEST_F(FormViewTest, QueryCloseCurrentView) {
  EXPECT_FALSE(QueryCloseCurrentView());
  Probe page("p", nullptr);
  page.Show();
  page.RefuseClose(true);
  EXPECT_TRUE(QueryCloseCurrentView());
  EXPECT_TRUE(page.Active());
  page.RefuseClose(false);
  EXPECT_FALSE(QueryCloseCurrentView());
  EXPECT_FALSE(page.Active());
}

}  // namespace
}  // namespace tq
