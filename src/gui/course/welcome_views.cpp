#include "gui/course/welcome_views.h"

#include "core/files/ansi.h"
#include "core/shell/strings.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/sounds.h"
#include "gui/storage/storage_forms.h"
#include "gui/storage/welcome_stg.h"

namespace tq {
namespace {

bool IsAltLetter(int key, ShiftState shift, int text) {
  const std::string& s = Str(text);
  return shift == kSsAlt && !s.empty() && key == AnsiUpperCase(s.substr(0, 1))[0];
}

void InstallKeys(TFormView* view) {
  BookForm()->OnKeyDown = [view](int& key, ShiftState shift) { view->KeyDown(key, shift); };
  BookForm()->OnKeyPress = [view](char& key) { view->KeyPress(key); };
}

void RemoveKeys() {
  BookForm()->OnKeyDown = nullptr;
  BookForm()->OnKeyPress = nullptr;
}

}  // namespace

void TWelcomeView::ShowPage() {
  TFormView::ShowPage();
  TBookForm* book = BookForm();
  TWelcomeStg& stg = *StorageForms().WelcomeStg;
  stg.LoadPictures();
  book->Title->SetCaption(ToQString(Str(kStrWelcomeTitle)));
  book->SetLayout(1);
  book->SetButtons(0);
  stg.IntroMask->setVisible(IntroductionAvailable);
  stg.IntroMask->setEnabled(IntroductionAvailable);
  stg.NoIntroLbl->setVisible(!IntroductionAvailable);
  stg.StudyingMask->OnClick = [this](QWidget*) { Choose(kStudy); };
  stg.IntroMask->OnClick = [this](QWidget*) { Choose(kIntroduction); };
  BorrowChildren(stg.Panel, book->WidePage);
  InstallKeys(this);
}

void TWelcomeView::HidePage() {
  RemoveKeys();
  TWelcomeStg& stg = *StorageForms().WelcomeStg;
  stg.StudyingMask->OnClick = nullptr;
  stg.IntroMask->OnClick = nullptr;
  TFormView::HidePage();
}

void TWelcomeView::KeyDown(int& key, ShiftState shift) {
  TFormView::KeyDown(key, shift);
  if (IsAltLetter(key, shift, kStrAltBeginStudying) || (shift == 0 && key == kVkReturn)) {
    key = 0;
    Choose(kStudy);
  } else if (IsAltLetter(key, shift, kStrAltIntroduction) && IntroductionAvailable) {
    key = 0;
    Choose(kIntroduction);
  }
}

void TWelcomeView::Choose(int result) {
  PlaySound(kSoundClick);
  SetResult(result);
}

void TGoodbyeView::ShowPage() {
  TFormView::ShowPage();
  TBookForm* book = BookForm();
  TWelcomeStg& stg = *StorageForms().WelcomeStg;
  stg.LoadPictures();
  book->Title->SetCaption(ToQString(Str(kStrCourseCompleted)));
  book->SetLayout(1);
  book->SetButtons(TBookForm::kBtnSkipB);
  book->SkipB->OnClick = [this](QWidget*) { Choose(kBack); };
  stg.Restart->OnClick = [this](QWidget*) { Choose(kRestart); };
  BorrowChildren(stg.Panel2, book->WidePage);
  InstallKeys(this);
}

void TGoodbyeView::HidePage() {
  RemoveKeys();
  TBookForm* book = BookForm();
  book->SkipB->OnClick = nullptr;
  book->SetButtons(0);
  StorageForms().WelcomeStg->Restart->OnClick = nullptr;
  TFormView::HidePage();
}

void TGoodbyeView::KeyDown(int& key, ShiftState shift) {
  TFormView::KeyDown(key, shift);
  if (IsAltLetter(key, shift, kStrAltRestart)) {
    key = 0;
    Choose(kRestart);
  } else if (IsAltLetter(key, shift, kStrAltBack)) {
    key = 0;
    Choose(kBack);
  }
}

void TGoodbyeView::Choose(int result) {
  PlaySound(kSoundClick);
  SetResult(result);
}

}  // namespace tq
