#include "gui/storage/general_stg.h"

namespace tq {

TGeneralStg::TGeneralStg() : TStorageForm("GeneralStg") {
  ArrowDown1 = AddImage("ArrowDown1", 16, 16);
  ArrowDown2 = AddImage("ArrowDown2", 16, 16);
  ArrowHorizontal = AddImage("ArrowHorizontal", 16, 16);
  ArrowUp1 = AddImage("ArrowUp1", 16, 16);
  ArrowUp2 = AddImage("ArrowUp2", 16, 16);
  ClearPic = AddImage("ClearPic", 16, 16);
  ClearCircle = AddImage("ClearCircle", 16, 16);
  ArrowDown1b = AddImage("ArrowDown1b", 16, 16);
  ArrowDown2b = AddImage("ArrowDown2b", 16, 16);
  ArrowHorizontalb = AddImage("ArrowHorizontalb", 16, 16);
  ArrowUp1b = AddImage("ArrowUp1b", 16, 16);
  ArrowUp2b = AddImage("ArrowUp2b", 16, 16);
  ClearPicb = AddImage("ClearPicb", 16, 16);
  ClearCircleb = AddImage("ClearCircleb", 16, 16);
}

}  // namespace tq
