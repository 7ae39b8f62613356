#pragma once
// The Info tab: the about page with the version, build, build date and
// credits, on the wide page. A link returns to studying.

#include "gui/shell/form_view.h"
#include "gui/widgets/controls.h"

namespace tq {

class TAboutView : public TFormView {
 public:
  void ShowPage() override;
  void HidePage() override;
};

// Runs the about page until it is closed without a result.
void RunAbout();

}  // namespace tq
