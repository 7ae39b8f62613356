#include "gui/storage/options_stg.h"

namespace tq {

TOptioStg::TOptioStg() : TStorageForm("OptioStg") {
  Panel1 = AddPanel("Panel1", kPageWidth, kPageHeight);
  Panel2 = AddPanel("Panel2", kPageWidth, kPageHeight);
}

}  // namespace tq
