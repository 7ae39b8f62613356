#pragma once
// TOptioStg: the panels of the options page.

#include "gui/storage/storage_form.h"

namespace tq {

class TOptioStg : public TStorageForm {
 public:
  TOptioStg();

  TPanel* Panel1;
  TPanel* Panel2;
};

}  // namespace tq
