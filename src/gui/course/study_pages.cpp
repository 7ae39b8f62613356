#include "gui/course/study_pages.h"

#include "core/course/chapter.h"
#include "core/course/guided_studying.h"
#include "core/exercises/key_data_ext.h"
#include "core/files/data_file.h"
#include "core/records/user.h"
#include "gui/course/chapter_views.h"
#include "gui/course/welcome_views.h"
#include "gui/pages/std_profile_view.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/storage/chapter_stgs.h"
#include "gui/storage/storage_forms.h"
#include "gui/widgets/exercise_list.h"
#include "gui/widgets/pictures.h"

namespace tq {
namespace {

// The lesson picture fills its place on the title page; a larger one (the
// introduction shows the welcome picture) is scaled down to fit, centred.
void ShowLessonPicture(TChapterStgs& stg, QPixmap picture) {
  const QRect place(TChapterStgs::kPictureLeft, TChapterStgs::kPictureTop,
                    TChapterStgs::kPictureWidth, TChapterStgs::kPictureHeight);
  if (picture.width() > place.width() || picture.height() > place.height())
    picture = picture.scaled(place.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QRect at(QPoint(), picture.isNull() ? place.size() : picture.size());
  at.moveCenter(place.center());
  at.moveTop(place.top());
  stg.ChpPicture->setGeometry(at);
  stg.ChpPicture->SetPicture(picture);
}

}  // namespace

int TStudyPages::ShowWelcome(bool introductionAvailable) {
  TWelcomeView welcome;
  welcome.IntroductionAvailable = introductionAvailable;
  return welcome.Execute();
}

int TStudyPages::ShowProfile() {
  return StdProfileView().Execute();
}

int TStudyPages::ShowGoodbye() {
  TGoodbyeView goodbye;
  return goodbye.Execute();
}

bool TStudyPages::InIntroduction(const TChapter* chapter) const {
  if (!guided_ || !guided_->Introduction().Contents) return false;
  for (const auto& c : guided_->Introduction().Contents->Chapters)
    if (c.get() == chapter) return true;
  return false;
}

LessonAnswer TStudyPages::ShowLesson(const LessonScreen& screen) {
  TBookForm* book = BookForm();
  TChapterStgs& stg = *StorageForms().ChapterStgs;
  book->Title->SetCaption(ToQString(screen.Title));
  ShowLessonPicture(stg, ProgramPicture(screen.Picture));
  stg.Chapter->SetCaption(ToQString(screen.ChapterDigit));
  stg.Chapter2->SetCaption(ToQString(screen.ChapterTens));
  stg.LessonCount->SetCaption(ToQString(screen.LessonCount));

  TChpContentsView& contents = ChpContentsView();
  contents.Chapter = screen.Chapter;
  contents.Selected = screen.Selected;
  contents.LastRowText = screen.LastRowText;
  contents.CancelOn = screen.CancelOn;
  contents.SkipForwardOn = screen.SkipForwardOn;
  contents.SkipBackOn = screen.SkipBackOn;
  contents.ShowDoneFlags = !InIntroduction(screen.Chapter);

  TChapterView& frame = ChapterView();
  frame.AttachedView2 = &contents;
  if (screen.BeginPage || !frame.AttachedView1) frame.AttachedView1 = &ChpBeginView();
  LessonAnswer answer;
  answer.Result = frame.Execute();
  answer.Selected = contents.Selected;
  return answer;
}

void TStudyPages::StartExercise(const TExercise& exercise) {
  ExercInfoView().SetExerciseId(exercise.Id);
  ChapterView().AttachedView1 = &ChpBeginView();
}

bool TStudyPages::LoadKeyboardLayout(const std::string& fileName) {
  return KeyData().LoadFromFile(fileName) == kFileGood;
}

void TStudyPages::Halt() {
  HaltApplication();
}

int RunGuidedStudying() {
  InstallResultsPage();
  TGuidedStudying guided;
  TStudyPages pages(&guided);
  return guided.Run(CurrentUser(), pages);
}

}  // namespace tq
