#pragma once
// TWizResultView: the left page after a review-wizard drill, two bar graphs
// of the reviewed keys' difficulty, before the exercise and after it. The
// figures are the core's WizardComparison.

#include "core/review/wizard_results.h"
#include "gui/shell/form_view.h"

namespace tq {

class TWizResultView : public TFormView {
 public:
  void ShowPage() override;
  void HidePage() override;

  void SetKeys(const std::string& keyText);
  void RecordAfter();

  WizardComparison Comparison;

 private:
  QWidget* beforeGraph_ = nullptr;
  QWidget* afterGraph_ = nullptr;
};

TWizResultView& WizResultView();

}  // namespace tq
