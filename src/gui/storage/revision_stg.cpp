#include "gui/storage/revision_stg.h"

namespace tq {

TRevisionStg::TRevisionStg() : TStorageForm("RevisionStg") {
  Panel2 = AddPanel("Panel2", kPageWidth, kPageHeight);
  Panel1 = AddPanel("Panel1", kPageWidth, kPageHeight);
}

}  // namespace tq
