#include "gui/storage/builder_stg.h"

namespace tq {

TBuilderStg::TBuilderStg() : TStorageForm("BuilderStg") {
  LeftPage = AddPanel("LeftPage", kPageWidth, kPageHeight);
  RightPage = AddPanel("RightPage", kPageWidth, kPageHeight);
}

}  // namespace tq
