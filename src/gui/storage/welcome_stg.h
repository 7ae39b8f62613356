#pragma once
// TWelcomeStg: the panels of the welcome page.

#include "gui/storage/storage_form.h"

namespace tq {

class TWelcomeStg : public TStorageForm {
 public:
  TWelcomeStg();

  TPanel* Panel;
  TPanel* Panel2;
};

}  // namespace tq
