#pragma once
// TBuilderStg: the controls of the review wizard page: the key choice and
// the difficult-keys graph on the left page, the method choice and its
// preview on the right.

#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>

#include "gui/storage/storage_form.h"

namespace tq {

class TBuilderStg : public TStorageForm {
 public:
  TBuilderStg();

  TPanel* LeftPage;
  TPanel* RightPage;

  TLabel* KeysTitle;
  TLabel* KeyLbl;
  QRadioButton* CurrentKeys;
  TLabel* StudiedKeys;
  QRadioButton* DifficultKeys;
  TLabel* DifKeys;
  // The student's slowest letter pairs, listed under their option.
  QRadioButton* SlowPairs;
  TLabel* PairsText;
  QRadioButton* ChooseKeys;
  QLineEdit* YourKeys;
  TLabel* DiffKeysTitle;

  TLabel* MethodTitle;
  TLabel* MethodLbl;
  QRadioButton* Keyboard;
  QRadioButton* CrazySentences;
  QRadioButton* BubblesGame;
  QRadioButton* WordTrisGame;
  // Pages "Page1" to "Page4": a sample of each method.
  QStackedWidget* Preview;
};

}  // namespace tq
