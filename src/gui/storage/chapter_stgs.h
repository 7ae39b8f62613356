#pragma once
// TChapterStgs: the panels of the lesson pages.

#include "gui/storage/storage_form.h"

namespace tq {

class TChapterStgs : public TStorageForm {
 public:
  TChapterStgs();

  TPanel* Panel1;
  TPanel* Panel3;
  TPanel* Panel4;
};

}  // namespace tq
