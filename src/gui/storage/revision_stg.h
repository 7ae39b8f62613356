#pragma once
// TRevisionStg: the controls of the Review tab: the review picture on the
// left page, the menu of review activities on the right.

#include <QComboBox>

#include "gui/storage/storage_form.h"

namespace tq {

class TRevisionStg : public TStorageForm {
 public:
  TRevisionStg();

  TPanel* Panel2;
  TPanel* Panel1;

  TImage* ReviewImage;
  TImage* WizardBox;
  TLabel* WizardLbl;
  TLabel* WizardText;
  TImage* StoryBox;
  TLabel* StoryLbl;
  TLabel* DurationLbl;
  QComboBox* StoryTime;
  TImage* BubblesBox;
  TLabel* BubblesLbl;
  TLabel* KeysLbl;
  QComboBox* BubblesKeys;
  TImage* WordTrisBox;
  TLabel* WordTrisLbl;
  TLabel* VocabularyLbl;
  QComboBox* TrisFileList;
  TImage* CloudsBox;
  TLabel* CloudsLbl;
  TLabel* Vocabulary2Lbl;
  QComboBox* CloudsFileList;
};

}  // namespace tq
