#pragma once
// TAddViewsStg: the two panels of the studying profile page.

#include "gui/storage/storage_form.h"

namespace tq {

class TAddViewsStg : public TStorageForm {
 public:
  TAddViewsStg();

  TPanel* WizardL;
  TPanel* WizardR;
};

}  // namespace tq
