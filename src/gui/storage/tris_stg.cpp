#include "gui/storage/tris_stg.h"

namespace tq {

TTrisStgFrm::TTrisStgFrm() : TStorageForm("TrisStgFrm") {
  Tris = AddPanel("Tris", kWidePageWidth, kPageHeight);
}

}  // namespace tq
