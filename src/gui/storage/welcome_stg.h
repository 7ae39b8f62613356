#pragma once
// TWelcomeStg: the welcome page (Panel: the welcome picture and the two
// choices, begin studying or watch the introduction) and the
// course-completed page (Panel2: its picture and the restart choice).

#include "gui/storage/storage_form.h"

namespace tq {

class TWelcomeStg : public TStorageForm {
 public:
  TWelcomeStg();

  // Loads "Welcome.pic" and "Goodbye.pic" from the program directory where
  // they are missing.
  void LoadPictures();

  TPanel* Panel;
  TImage* WelcomePic;
  TLabel* WelcomeHeading;
  TLabel* WelcomeText;
  TImage* StudyingMask;
  TImage* IntroMask;
  TLabel* NoIntroLbl;

  TPanel* Panel2;
  TImage* GoodbyePic;
  TLabel* GoodbyeHeading;
  TLabel* GoodbyeText;
  TImage* Restart;
  TLabel* GoodbyeNote;
};

}  // namespace tq
