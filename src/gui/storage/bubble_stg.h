#pragma once
// TBubbleStg: the cloud and bubble pictures and the background of the Bubbles
// and Clouds games.

#include "gui/storage/storage_form.h"

namespace tq {

class TBubbleStg : public TStorageForm {
 public:
  TBubbleStg();
};

}  // namespace tq
