#pragma once
// The sign-in pages on the closed book: the cover, where the student types
// or picks a name or continues as a visitor, and the question asked when
// the name is not yet in the user base. They only collect the choice;
// finding and creating the student is the main controller's business.

#include <string>

#include "gui/shell/form_view.h"
#include "gui/widgets/controls.h"

namespace tq {

class TCoverView : public TFormView {
 public:
  // Results of Execute: 1 a name was entered, 2 visitor, 0 the program is
  // closing.
  static constexpr int kName = 1;
  static constexpr int kVisitor = 2;

  void ShowPage() override;
  void HidePage() override;

  // The name as typed, in UTF-8; empty for a visitor.
  std::string UserName;

 private:
  TConnections connections_;
};

class TNewUserView : public TFormView {
 public:
  // Results of Execute: 1 create the student, 2 back, 0 the program is closing.
  static constexpr int kCreate = 1;
  static constexpr int kBack = 2;

  void ShowPage() override;
  void HidePage() override;

  // Set by the caller before the page is shown.
  std::string UserName;

 private:
  TConnections connections_;
};

}  // namespace tq
