#include "gui/storage/welcome_stg.h"

namespace tq {

TWelcomeStg::TWelcomeStg() : TStorageForm("WelcomeStg") {
  Panel = AddPanel("Panel", kWidePageWidth, kPageHeight);
  Panel2 = AddPanel("Panel2", kPageWidth, kPageHeight);
}

}  // namespace tq
