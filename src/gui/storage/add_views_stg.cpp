#include "gui/storage/add_views_stg.h"

namespace tq {

TAddViewsStg::TAddViewsStg() : TStorageForm("AddViewsStg") {
  WizardL = AddPanel("WizardL", kPageWidth, kPageHeight);
  WizardR = AddPanel("WizardR", kPageWidth, kPageHeight);
}

}  // namespace tq
