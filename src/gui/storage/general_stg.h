#pragma once
// TGeneralStg: the arrow and marker pictures of the exercise text displays.

#include "gui/storage/storage_form.h"

namespace tq {

class TGeneralStg : public TStorageForm {
 public:
  TGeneralStg();

  TImage* ArrowDown1;
  TImage* ArrowDown2;
  TImage* ArrowHorizontal;
  TImage* ArrowUp1;
  TImage* ArrowUp2;
  TImage* ClearPic;
  TImage* ClearCircle;
  TImage* ArrowDown1b;
  TImage* ArrowDown2b;
  TImage* ArrowHorizontalb;
  TImage* ArrowUp1b;
  TImage* ArrowUp2b;
  TImage* ClearPicb;
  TImage* ClearCircleb;
};

}  // namespace tq
