#include "gui/pages/about_view.h"

#include "core/shell/program_settings.h"
#include "core/shell/strings.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/storage/about_storage.h"
#include "gui/storage/storage_forms.h"

namespace tq {

void TAboutView::ShowPage() {
  TFormView::ShowPage();
  TBookForm* book = BookForm();
  TAboutStorage* storage = StorageForms().AboutStorage;
  const TProgramSettings& s = Settings();
  storage->VersionLbl->SetCaption(
      ToQString(Str(kStrAboutVersion) + s.Version + Str(kStrAboutBuild) + s.Build));
  storage->BuildDateLbl->SetCaption(ToQString(Str(kStrAboutBuildDate) + s.BuildDate));
  storage->CopyrightLbl->SetCaption(
      ToQString(Str(kStrAboutCopyright) + s.BuildYear + Str(kStrAboutTeam)));
  storage->StudyingLink->OnClick = [book](QWidget*) { book->RaiseStudyingTab(); };
  book->Title->SetCaption(ToQString(Str(kStrTabInfo)));
  book->SetLayout(1);
  BorrowChildren(storage, book->WidePage);
}

void TAboutView::HidePage() {
  StorageForms().AboutStorage->StudyingLink->OnClick = nullptr;
  TFormView::HidePage();
}

void RunAbout() {
  TAboutView about;
  while (about.Execute() != 0) {
  }
}

}  // namespace tq
