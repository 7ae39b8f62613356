#include "gui/shell/form_view.h"

#include <QCoreApplication>
#include <algorithm>
#include <set>

#include "core/shell/host.h"
#include "core/shell/strings.h"
#include "gui/shell/book_form.h"

namespace tq {
namespace {

TFormView* g_currentView = nullptr;
bool g_terminated = false;
bool g_halted = false;
// Every page object alive, so that a remembered previous page is only
// made current again while it exists.
std::set<TFormView*>& LiveViews() {
  static std::set<TFormView*> views;
  return views;
}
// The local loops running now, innermost last.
std::vector<QEventLoop*>& RunningLoops() {
  static std::vector<QEventLoop*> loops;
  return loops;
}

QWidget* FirstChildWidget(QWidget* container) {
  for (QObject* child : container->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (w && !w->isWindow()) return w;
  }
  return nullptr;
}

}  // namespace

TFormView::TFormView() {
  LiveViews().insert(this);
}

TFormView::~TFormView() {
  if (active_) {
    GetHost().ShowMessage(MessageKind::Warning, Str(kStrProgramTitle),
                          Str(kStrDestroyingActiveView));
    // Descendants are gone by now: this closes with the base operations,
    // which still give every borrowed control back.
    bool refuse = false;
    TFormView::CloseView(refuse);
    if (refuse) {
      TFormView::HidePage();
      if (g_currentView == this) g_currentView = nullptr;
    }
  }
  LiveViews().erase(this);
  if (g_currentView == this) g_currentView = nullptr;
  if (loop_) loop_->quit();
}

bool TFormView::IsSkipped() {
  return false;
}

void TFormView::ShowPage() {
  if (TBookForm* book = BookForm()) book->DropStill();
  shown_ = true;
}

void TFormView::HidePage() {
  ReturnBorrowedControls();
  shown_ = false;
}

void TFormView::ReturnBorrowedControls() {
  // From the front, in borrowing order.
  for (Borrowed& b : borrowed_) {
    if (!b.control) continue;
    if (b.formerParent) {
      b.control->setParent(b.formerParent);
      b.control->setHidden(b.hidden);
    } else if (b.control->parentWidget()) {
      b.control->hide();
      b.control->setParent(nullptr);
    }
  }
  borrowed_.clear();
}

void TFormView::KeyPress(char& key) {
  if (passive_) return;
  if (AttachedView1) AttachedView1->KeyPress(key);
  if (AttachedView2) AttachedView2->KeyPress(key);
}

void TFormView::KeyDown(int& key, ShiftState shift) {
  if (passive_) return;
  if (AttachedView1) AttachedView1->KeyDown(key, shift);
  if (AttachedView2) AttachedView2->KeyDown(key, shift);
}

bool TFormView::Show() {
  if (!passive_) {
    if (IsSkipped()) return true;
    if (g_currentView != this) previousView_ = g_currentView;
    g_currentView = this;
  }
  active_ = true;
  result_ = 0;
  ShowPage();
  if (AttachedView1) AttachedView1->ShowPassive();
  if (AttachedView2) AttachedView2->ShowPassive();
  return false;
}

bool TFormView::ShowPassive() {
  passive_ = true;
  return Show();
}

int TFormView::Execute() {
  inLoop_ = true;
  leaveLoop_ = false;
  if (!Show()) {
    QEventLoop loop;
    loop_ = &loop;
    RunningLoops().push_back(&loop);
    while (!leaveLoop_) {
      if (g_terminated) {
        QCoreApplication::processEvents();
        leaveLoop_ = true;
        break;
      }
      loop.exec();
    }
    auto& loops = RunningLoops();
    loops.erase(std::remove(loops.begin(), loops.end(), &loop), loops.end());
    loop_ = nullptr;
  }
  inLoop_ = false;
  return result_;
}

void TFormView::LeaveLocalLoop() {
  leaveLoop_ = true;
  if (loop_) loop_->quit();
}

void TFormView::CloseView(bool& refuse) {
  if (!active_) return;
  if (OnCloseQuery) OnCloseQuery(this, refuse);
  if (!refuse && AttachedView1) AttachedView1->CloseView(refuse);
  if (!refuse && AttachedView2) AttachedView2->CloseView(refuse);
  if (refuse) return;
  HidePage();
  if (!passive_ && g_currentView == this) {
    g_currentView =
        LiveViews().count(previousView_) && previousView_->active_ ? previousView_ : nullptr;
  }
  previousView_ = nullptr;
  if (inLoop_) LeaveLocalLoop();
  active_ = false;
  if (OnClosed) OnClosed(this);
}

void TFormView::SetResult(int value) {
  result_ = value;
  if (value == 0) return;
  bool refuse = false;
  CloseView(refuse);
  if (refuse) result_ = 0;
}

void TFormView::BorrowControl(QWidget* control, QWidget* newParent) {
  if (!control || !newParent) return;
  borrowed_.push_back({control, control->parentWidget(), control->isHidden()});
  const bool hidden = control->isHidden();
  control->setParent(newParent);
  // Qt hides a re-parented widget; a borrowed control keeps its visibility.
  control->setHidden(hidden);
}

void TFormView::BorrowChildren(QWidget* container, QWidget* newParent) {
  if (!container || !newParent) return;
  while (QWidget* child = FirstChildWidget(container)) BorrowControl(child, newParent);
}

TFormView* CurrentView() {
  return g_currentView;
}

bool QueryCloseCurrentView() {
  bool refuse = false;
  if (g_currentView) g_currentView->CloseView(refuse);
  return refuse;
}

void TerminateApplication() {
  g_terminated = true;
  for (QEventLoop* loop : RunningLoops()) loop->quit();
}

bool ApplicationTerminated() {
  return g_terminated;
}

void HaltApplication() {
  g_halted = true;
  TerminateApplication();
}

bool ApplicationHalted() {
  return g_halted;
}

void ResetApplicationTerminated() {
  g_terminated = false;
  g_halted = false;
}

}  // namespace tq
