#include "gui/review/wiz_result_view.h"

#include "core/records/difficult_keys.h"
#include "core/shell/strings.h"
#include "gui/review/review_graph.h"
#include "gui/shell/book_form.h"
#include "gui/storage/event_view_stg.h"
#include "gui/storage/storage_forms.h"
#include "gui/widgets/controls.h"
#include "gui/widgets/graph.h"

namespace tq {
namespace {

const QColor kInk(60, 44, 32);

// The page's captions live on the storage form's results panel; they are
// made the first time the page is shown.
TPanel* ResultPanel() {
  TPanel* panel = StorageForms().EventViewStg->WizResultPanel;
  if (!panel->findChild<TLabel*>(QStringLiteral("WizardResultsLbl"))) {
    MakeLabel(panel, "WizardResultsLbl", QRect(0, 62, 338, 30), PixelFont("Arial", 16, true), kInk,
              Qt::AlignHCenter, kStrWizardResults);
    MakeLabel(panel, "BeforeLbl", QRect(10, 175, 78, 24), PixelFont("Arial", 14, true), kInk,
              Qt::AlignRight, kStrWizardBefore);
    MakeLabel(panel, "AfterLbl", QRect(10, 333, 78, 24), PixelFont("Arial", 14, true), kInk,
              Qt::AlignRight, kStrWizardAfter);
  }
  return panel;
}

}  // namespace

void TWizResultView::SetKeys(const std::string& keyText) {
  Comparison.SetKeys(keyText, DifficultKeys());
}

void TWizResultView::RecordAfter() {
  Comparison.RecordAfter(DifficultKeys());
}

void TWizResultView::ShowPage() {
  TFormView::ShowPage();
  QWidget* page = BookForm()->LeftPage;
  BorrowChildren(ResultPanel(), page);
  auto* before = MakeDifficultyGraph(page, "BeforeGraph", QRect(93, 115, 247, 145), 9);
  auto* after = MakeDifficultyGraph(page, "AfterGraph", QRect(93, 273, 247, 145), 9);
  for (std::size_t i = 0; i < Comparison.Keys.size(); ++i) {
    const std::string label(1, Comparison.Keys[i]);
    before->AddValue(label, Comparison.Before[i]);
    after->AddValue(label, Comparison.After[i]);
  }
  before->show();
  after->show();
  beforeGraph_ = before;
  afterGraph_ = after;
}

void TWizResultView::HidePage() {
  TFormView::HidePage();
  delete beforeGraph_;
  delete afterGraph_;
  beforeGraph_ = afterGraph_ = nullptr;
}

TWizResultView& WizResultView() {
  static TWizResultView view;
  return view;
}

}  // namespace tq
