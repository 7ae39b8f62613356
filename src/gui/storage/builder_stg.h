#pragma once
// TBuilderStg: the panels of the review exercise builder page.

#include "gui/storage/storage_form.h"

namespace tq {

class TBuilderStg : public TStorageForm {
 public:
  TBuilderStg();

  TPanel* LeftPage;
  TPanel* RightPage;
};

}  // namespace tq
