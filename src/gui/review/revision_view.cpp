#include "gui/review/revision_view.h"

#include "core/exercises/event_factory.h"
#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/records/user.h"
#include "core/review/builder_event.h"
#include "core/review/revision_builder.h"
#include "core/shell/host.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"
#include "gui/course/chapter_views.h"
#include "gui/games/game_event.h"
#include "gui/review/builder_view.h"
#include "gui/review/review_course.h"
#include "gui/review/wiz_result_view.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/sounds.h"
#include "gui/storage/revision_stg.h"
#include "gui/storage/storage_forms.h"
#include "gui/widgets/pictures.h"

namespace tq {
namespace {

TRevisionStg& Stg() {
  return *StorageForms().RevisionStg;
}

constexpr const char* kStudiedVocabulary = "-stud-";

// Runs an event of another part; a type nobody registered says so. A game
// given words plays them instead of its word file.
int RunEvent(const char* type, const std::string& line, const EventSetup& setup,
             const std::vector<std::string>& words = {}) {
  std::unique_ptr<StudyEvent> event = Events().Create(type, line);
  if (!event) {
    GetHost().ShowMessage(MessageKind::Information, Str(kStrProgramTitle),
                          std::string(type) + ": " + Str(kStrReviewNotAvailable));
    return 0;
  }
  event->Prepare(setup);
  if (!words.empty())
    if (auto* game = dynamic_cast<TCustomGameEvent*>(event.get())) game->SetWords(words);
  return event->Run();
}

// The words of the studied keys for a game with the "Studied Keys"
// vocabulary; none (after the message) before enough is studied.
bool StudiedWords(std::vector<std::string>& words) {
  const ReviewCourse course = LoadReviewCourse();
  const std::string keys = course.Keys.StudiedKeys(course.Keys.CurrentLesson);
  const ReviewMaterial material =
      ChooseReviewMaterial("", course.WizardName, Settings().DefaultWizard);
  TRevisionBuilder builder(material.IndexFileName, material.DataFileName);
  if (!keys.empty() && builder.FindWords(keys, course.Keys.CurrentLesson,
                                         TrisWordsPerKey(static_cast<int>(keys.size()))) > 0) {
    words = builder.Results;
    return true;
  }
  GetHost().ShowMessage(MessageKind::Information, Str(kStrProgramTitle),
                        Str(kStrReviewNotStudiedEnough));
  return false;
}

}  // namespace

void TRevisionPicture::ShowPage() {
  TFormView::ShowPage();
  TRevisionStg& stg = Stg();
  if (stg.ReviewImage->Picture().isNull())
    stg.ReviewImage->SetPicture(ProgramPicture("Review.pic"));
  BorrowChildren(stg.Panel1, BookForm()->LeftPage);
}

void TRevisionView::ShowPage() {
  TFormView::ShowPage();
  TBookForm* book = BookForm();
  TRevisionStg& stg = Stg();
  BorrowChildren(stg.Panel2, book->RightPage);
  for (QComboBox* list : {stg.TrisFileList, stg.CloudsFileList}) {
    list->blockSignals(true);
    list->clear();
    list->addItem(ToQString(Str(kStrBubblesStudied)));
    for (const std::string& name : ListFiles("*.vcb")) list->addItem(ToQString(name));
    list->blockSignals(false);
  }
  for (QComboBox* list : {stg.StoryTime, stg.BubblesKeys, stg.TrisFileList, stg.CloudsFileList})
    list->setCurrentIndex(0);
  auto vocabulary = [](QComboBox* list) {
    return list->currentIndex() <= 0 ? std::string(kStudiedVocabulary)
                                     : FromQString(list->currentText());
  };
  auto store = [this, &stg, vocabulary] {
    StoryDuration = stg.StoryTime->currentIndex() + 1;
    BubblesKeySet = stg.BubblesKeys->currentIndex() + 1;
    TrisVocabulary = vocabulary(stg.TrisFileList);
    CloudsVocabulary = vocabulary(stg.CloudsFileList);
  };
  for (QComboBox* list : {stg.StoryTime, stg.BubblesKeys, stg.TrisFileList, stg.CloudsFileList})
    connections_.Add(QObject::connect(list, &QComboBox::currentIndexChanged, store));
  store();
  for (TImage* box : {stg.WizardBox, stg.StoryBox, stg.BubblesBox, stg.WordTrisBox, stg.CloudsBox})
    box->OnClick = [this](QWidget* sender) { ActivityClick(sender); };
  for (TLabel* label : {stg.WizardLbl, stg.WizardText, stg.StoryLbl, stg.BubblesLbl,
                        stg.WordTrisLbl, stg.CloudsLbl})
    label->OnClick = [this](QWidget* sender) { ActivityClick(sender); };
}

void TRevisionView::HidePage() {
  connections_.Clear();
  TRevisionStg& stg = Stg();
  for (TImage* box : {stg.WizardBox, stg.StoryBox, stg.BubblesBox, stg.WordTrisBox, stg.CloudsBox})
    box->OnClick = nullptr;
  for (TLabel* label : {stg.WizardLbl, stg.WizardText, stg.StoryLbl, stg.BubblesLbl,
                        stg.WordTrisLbl, stg.CloudsLbl})
    label->OnClick = nullptr;
  TFormView::HidePage();
}

void TRevisionView::ActivityClick(QWidget* sender) {
  PlaySound(kSoundClick);
  const QString name = sender->objectName();
  if (name.startsWith(QLatin1String("WordTris")))
    SetResult(kActivityWordTris);
  else if (name.startsWith(QLatin1String("Bubbles")))
    SetResult(kActivityBubbles);
  else if (name.startsWith(QLatin1String("Story")))
    SetResult(kActivityStory);
  else if (name.startsWith(QLatin1String("Clouds")))
    SetResult(kActivityClouds);
  else if (name.startsWith(QLatin1String("Wizard")))
    SetResult(kActivityWizard);
}

void TRevisionView::KeyDown(int& key, ShiftState shift) {
  TRevisionStg& stg = Stg();
  if (shift == 0 && key == kVkEscape) {
    key = 0;
    if (BookForm()->OnStudyingTab) BookForm()->OnStudyingTab();
    return;
  }
  if (shift != kSsAlt) return;
  QWidget* target = key == 'R'   ? static_cast<QWidget*>(stg.WizardBox)
                    : key == 'B' ? stg.BubblesBox
                    : key == 'W' ? stg.WordTrisBox
                    : key == 'S' ? stg.StoryBox
                    : key == 'C' ? stg.CloudsBox
                                 : nullptr;
  if (!target) return;
  key = 0;
  ActivityClick(target);
}

int TRevision::Run() {
  TRevisionPicture picture;
  picture.ViewName = "ReviPic";
  TRevisionView menu;
  TChapterView& frame = ChapterView();
  TFormView* left = &picture;
  for (;;) {
    frame.AttachedView1 = left;
    frame.AttachedView2 = &menu;
    BookForm()->Title->SetCaption(ToQString(Str(kStrReviewTitle)));
    const int activity = frame.Execute();
    // The frame's own views go back to the studying tab's.
    frame.AttachedView1 = nullptr;
    frame.AttachedView2 = nullptr;
    if (activity == 0 || ApplicationTerminated()) break;
    RunActivity(activity, menu);
    if (ApplicationTerminated()) break;
    // After a wizard drill its results stand beside the menu once.
    left = frame.AttachedView1 == &WizResultView() ? frame.AttachedView1 : &picture;
  }
  CurrentUser().SaveUser();
  return 0;
}

int TRevision::RunActivity(int activity, const TRevisionView& choices) {
  EventSetup setup;
  setup.InCourse = false;
  switch (activity) {
    case kActivityStory:
      setup.TimeBudget = StoryMinutes(choices.StoryDuration) * 60;
      return RunEvent("TEXT", "Text;Text;0;ask:*.exm;false", setup);
    case kActivityBubbles: {
      const ReviewCourse course = LoadReviewCourse();
      setup.KnownKeys = BubblesKeySetKeys(choices.BubblesKeySet,
                                          course.Keys.StudiedKeys(course.Keys.CurrentLesson));
      return RunEvent("BUBBLES", "Bubb;Bubb;0;0", setup);
    }
    case kActivityWordTris:
    case kActivityClouds: {
      const bool tris = activity == kActivityWordTris;
      const std::string& vocabulary = tris ? choices.TrisVocabulary : choices.CloudsVocabulary;
      std::vector<std::string> words;
      if (vocabulary == kStudiedVocabulary && !StudiedWords(words)) return 0;
      return tris ? RunEvent("WORDTRIS", "Tris;Tris;0;" + vocabulary + ".vcb", setup, words)
                  : RunEvent("CLOUDS", "Event=Clouds;0;" + vocabulary + ".vcb;True", setup, words);
    }
    case kActivityWizard: {
      const ReviewCourse course = LoadReviewCourse();
      if (course.Loaded && course.WizardName.empty()) {
        GetHost().ShowMessage(MessageKind::Warning, Str(kStrProgramTitle),
                              Str(kStrReviewNoMaterial));
        return 0;
      }
      TBuilderEvent builder("builder;builder;0;effic:;true");
      setup.KnownKeys.clear();
      builder.Prepare(setup);
      const int result = builder.Run();
      return result == 1000 ? 0 : result;
    }
    default:
      return 0;
  }
}

}  // namespace tq
