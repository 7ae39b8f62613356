#include "gui/storage/bubble_stg.h"

namespace tq {

TBubbleStg::TBubbleStg() : TStorageForm("BubbleStg") {}

}  // namespace tq
