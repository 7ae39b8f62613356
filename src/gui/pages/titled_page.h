#pragma once
// A page that shows only its title on the open book: the tabs whose pages
// are not built yet run it with the tab's caption.

#include <string>

#include "gui/shell/form_view.h"

namespace tq {

class TTitledPage : public TFormView {
 public:
  explicit TTitledPage(std::string title) : title_(std::move(title)) {}
  void ShowPage() override;

 private:
  std::string title_;
};

// Runs a titled page until it is closed.
void RunTitledPage(const std::string& title);

}  // namespace tq
