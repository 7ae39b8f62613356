#pragma once
// TEventsStg: the key face and finger pictures of the on-screen keyboard and
// the finger guide.

#include "gui/storage/storage_form.h"

namespace tq {

class TEventsStg : public TStorageForm {
 public:
  TEventsStg();

  TImage* KeyFace;
  TImage* FingersPic;
  TImage* Finger1;
  TImage* Finger2;
  TImage* Finger3;
  TImage* Finger4;
  TImage* Finger5;
  TImage* Finger6;
  TImage* Finger7;
  TImage* Finger8;
  TImage* Finger9;
};

}  // namespace tq
