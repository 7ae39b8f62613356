#pragma once
// TEventViewStg: the panels of the exercise event pages and of the top-ten and
// review result pages.

#include "gui/storage/storage_form.h"

namespace tq {

class TEventViewStg : public TStorageForm {
 public:
  TEventViewStg();

  TPanel* Page1;
  TPanel* Page2;
  TPanel* TopTenPanel;
  TPanel* WizResultPanel;
};

}  // namespace tq
