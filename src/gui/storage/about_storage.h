#pragma once
// TAboutStorage: the labels and shapes of the about page, placed for the
// book's wide page.

#include "gui/storage/storage_form.h"

namespace tq {

class TAboutStorage : public TStorageForm {
 public:
  TAboutStorage();

  TLabel* ProductLbl;
  TLabel* SubtitleLbl;
  TImage* AboutRule;
  TLabel* VersionLbl;
  TLabel* BuildDateLbl;
  TLabel* CopyrightLbl;
  TImage* CreditsFrame;
  TLabel* CreditsTitle;
  TLabel* CreditsLbl;
  TLabel* StudyingLink;
};

}  // namespace tq
