#include "gui/storage/events_stg.h"

namespace tq {

TEventsStg::TEventsStg() : TStorageForm("EventsStg") {
  KeyFace = AddImage("KeyFace", 40, 40);
  FingersPic = AddImage("FingersPic", 330, 150);
  Finger1 = AddImage("Finger1", 40, 60);
  Finger2 = AddImage("Finger2", 40, 60);
  Finger3 = AddImage("Finger3", 40, 60);
  Finger4 = AddImage("Finger4", 40, 60);
  Finger5 = AddImage("Finger5", 40, 60);
  Finger6 = AddImage("Finger6", 40, 60);
  Finger7 = AddImage("Finger7", 40, 60);
  Finger8 = AddImage("Finger8", 40, 60);
  Finger9 = AddImage("Finger9", 40, 60);
}

}  // namespace tq
