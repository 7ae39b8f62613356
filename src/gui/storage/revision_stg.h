#pragma once
// TRevisionStg: the panels of the review pages.

#include "gui/storage/storage_form.h"

namespace tq {

class TRevisionStg : public TStorageForm {
 public:
  TRevisionStg();

  TPanel* Panel2;
  TPanel* Panel1;
};

}  // namespace tq
