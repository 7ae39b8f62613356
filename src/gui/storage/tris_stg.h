#pragma once
// TTrisStgFrm: the playing field of the WordTris game.

#include "gui/storage/storage_form.h"

namespace tq {

class TTrisStgFrm : public TStorageForm {
 public:
  TTrisStgFrm();

  TPanel* Tris;
};

}  // namespace tq
