#include "gui/review/builder_view.h"

#include "core/course/contents.h"
#include "core/files/ansi.h"
#include "core/records/difficult_keys.h"
#include "core/records/user.h"
#include "core/review/pair_drill.h"
#include "core/review/revision_builder.h"
#include "core/shell/host.h"
#include "core/shell/program_settings.h"
#include "core/shell/random.h"
#include "core/shell/strings.h"
#include "gui/course/chapter_views.h"
#include "gui/exercises/event_views.h"
#include "gui/games/game_event.h"
#include "gui/review/review_course.h"
#include "gui/review/review_graph.h"
#include "gui/review/wiz_result_view.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/sounds.h"
#include "gui/storage/builder_stg.h"
#include "gui/storage/storage_forms.h"
#include "gui/widgets/graph.h"

namespace tq {
namespace {

TBuilderStg& Stg() {
  return *StorageForms().BuilderStg;
}

bool IsAltLetter(int key, ShiftState shift, int text) {
  const std::string& s = Str(text);
  return shift == kSsAlt && !s.empty() && key == AnsiUpperCase(s.substr(0, 1))[0];
}

// The lines as an event's own text. The text source of an event line that
// starts with "nil" means no text, so such a line does not go first.
std::string TextOfLines(std::vector<std::string> lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (AsciiLower(lines[i].substr(0, 3)) == "nil") continue;
    std::swap(lines[0], lines[i]);
    break;
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace

// ---- the wizard page ----

TBuilderView::TBuilderView() = default;
TBuilderView::~TBuilderView() {
  delete graph_.data();
}

void TBuilderView::ShowPage() {
  TFormView::ShowPage();
  TBookForm* book = BookForm();
  TBuilderStg& stg = Stg();
  book->Title->SetCaption(ToQString(Str(kStrWizardTitle)));

  stg.StudiedKeys->SetCaption(ToQString(Setup.CurrentKeysText));
  stg.CurrentKeys->setEnabled(Setup.CurrentKeysEnabled);
  stg.CrazySentences->setEnabled(Setup.SentencesEnabled);
  (Setup.Method == ReviewMethod::Sentences ? stg.CrazySentences : stg.Keyboard)->setChecked(true);
  stg.YourKeys->clear();

  // The eight ranked difficult keys; those above 50 are offered for review.
  const auto ranked = RankedDifficultKeys(tq::DifficultKeys());
  std::vector<char> keys;
  std::vector<float> values;
  for (const RankedKey& k : ranked) {
    keys.push_back(k.Key);
    values.push_back(k.Value);
  }
  DifficultKeys = DifficultKeysText(keys, values);
  stg.DifKeys->SetCaption(ToQString(DifficultKeys));
  ShowSlowPairs();

  BorrowChildren(stg.LeftPage, book->LeftPage);
  BorrowChildren(stg.RightPage, book->RightPage);
  book->SetLayout(2);
  // The eight places of the ranking; an empty place keeps an empty bar.
  TGraph* graph = MakeDifficultyGraph(book->LeftPage, "DiffGraph", QRect(10, 276, 310, 148), 9);
  for (const RankedKey& k : ranked)
    graph->AddValue(k.Value > 0 ? std::string(1, k.Key) : std::string(), k.Value);
  graph->show();
  graph_ = graph;
  stg.Preview->setCurrentIndex(stg.CrazySentences->isChecked() ? 1 : 0);

  auto route = [this](QAbstractButton* button) {
    connections_.Add(QObject::connect(button, &QAbstractButton::clicked,
                                      [this, button] { PageButtonClick(button->objectName()); }));
  };
  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
           stg.ChooseKeys, stg.Keyboard, stg.CrazySentences, stg.BubblesGame, stg.WordTrisGame})
    route(b);
  connections_.Add(
      QObject::connect(stg.SlowPairs, &QAbstractButton::toggled, [this] { UpdateMethods(); }));
  connections_.Add(QObject::connect(stg.YourKeys, &QLineEdit::textEdited,
                                    [&stg] { stg.ChooseKeys->setChecked(true); }));
  book->Next->OnClick = [this](QWidget* sender) { PageButtonClick(sender->objectName()); };
  book->Back->OnClick = [this](QWidget* sender) { PageButtonClick(sender->objectName()); };
  book->SetButtons(TBookForm::kBtnNext | TBookForm::kBtnBack);
  book->OnKeyDown = [this](int& key, ShiftState shift) { KeyDown(key, shift); };

  if (!DifficultKeys.empty()) {
    stg.DifficultKeys->setEnabled(true);
    stg.DifficultKeys->setChecked(true);
  } else {
    stg.DifficultKeys->setEnabled(false);
    stg.CurrentKeys->setChecked(true);
  }
  if (!stg.CurrentKeys->isEnabled() && !stg.DifficultKeys->isEnabled())
    stg.ChooseKeys->setChecked(true);
  UpdateMethods();
}

void TBuilderView::ShowSlowPairs() {
  TBuilderStg& stg = Stg();
  const bool any = !Setup.SlowPairs.empty();
  if (any) {
    stg.PairsText->SetLabelFont(PixelFont("Courier New", 14, true));
    stg.PairsText->SetFontColor(QColor(128, 0, 0));
    stg.PairsText->SetCaption(ToQString(PairsText(Setup.SlowPairs)));
  } else {
    QFont note = PixelFont("Arial", 12);
    note.setItalic(true);
    stg.PairsText->SetLabelFont(note);
    stg.PairsText->SetFontColor(QColor(110, 110, 110));
    stg.PairsText->SetCaption(ToQString(Str(kStrWizardNoSlowPairs)));
  }
  stg.SlowPairs->setEnabled(any);
}

void TBuilderView::UpdateMethods() {
  // The pairs are drilled in words: the other methods wait for another choice.
  TBuilderStg& stg = Stg();
  const bool pairs = stg.SlowPairs->isChecked();
  stg.CrazySentences->setEnabled(!pairs && Setup.SentencesEnabled);
  stg.BubblesGame->setEnabled(!pairs);
  stg.WordTrisGame->setEnabled(!pairs);
  if (pairs && !stg.Keyboard->isChecked()) {
    stg.Keyboard->setChecked(true);
    stg.Preview->setCurrentIndex(0);
  }
}

void TBuilderView::HidePage() {
  TBookForm* book = BookForm();
  connections_.Clear();
  delete graph_.data();
  book->OnKeyDown = nullptr;
  book->Next->OnClick = nullptr;
  book->Back->OnClick = nullptr;
  book->SetButtons(0);
  TFormView::HidePage();
}

void TBuilderView::KeyDown(int& key, ShiftState shift) {
  if (shift == 0 && key == kVkEscape) {
    key = 0;
    PageButtonClick(QStringLiteral("Back"));
  } else if (shift == 0 && key == kVkReturn) {
    key = 0;
    PageButtonClick(QStringLiteral("Next"));
  } else if (IsAltLetter(key, shift, kStrAltBackPage)) {
    key = 0;
    PageButtonClick(QStringLiteral("Back"));
  } else if (IsAltLetter(key, shift, kStrAltNext)) {
    key = 0;
    PageButtonClick(QStringLiteral("Next"));
  }
}

void TBuilderView::PageButtonClick(const QString& name) {
  PlaySound(kSoundClick);
  TBuilderStg& stg = Stg();
  if (name == QLatin1String("Next"))
    SetResult(kNext);
  else if (name == QLatin1String("Back"))
    SetResult(kBack);
  else if (name == QLatin1String("ChooseKeys"))
    stg.YourKeys->setFocus();
  else if (name == QLatin1String("Keyboard"))
    stg.Preview->setCurrentIndex(0);
  else if (name == QLatin1String("CrazySentences"))
    stg.Preview->setCurrentIndex(1);
  else if (name == QLatin1String("BubblesGame"))
    stg.Preview->setCurrentIndex(2);
  else if (name == QLatin1String("WordTrisGame"))
    stg.Preview->setCurrentIndex(3);
}

ReviewKeyOption TBuilderView::KeyOption() const {
  const TBuilderStg& stg = Stg();
  if (stg.CurrentKeys->isChecked()) return ReviewKeyOption::Current;
  if (stg.DifficultKeys->isChecked()) return ReviewKeyOption::Difficult;
  if (stg.SlowPairs->isChecked()) return ReviewKeyOption::Pairs;
  return ReviewKeyOption::Own;
}

ReviewMethod TBuilderView::Method() const {
  const TBuilderStg& stg = Stg();
  if (stg.CrazySentences->isChecked()) return ReviewMethod::Sentences;
  if (stg.BubblesGame->isChecked()) return ReviewMethod::Bubbles;
  if (stg.WordTrisGame->isChecked()) return ReviewMethod::WordTris;
  return ReviewMethod::Words;
}

std::string TBuilderView::TypedKeys() const {
  return FromQString(Stg().YourKeys->text());
}

// ---- the review event ----

TBuilderEvent::TBuilderEvent(const std::string& eventLine) {
  (void)eventLine;
}

void TBuilderEvent::Prepare(const EventSetup& setup) {
  InCourse = setup.InCourse;
  Duration = setup.TimeBudget;
  Lesson = setup.KeyLevel;
  KnownKeys = setup.KnownKeys;
}

int TBuilderEvent::Run() {
  ReviewCourse course = LoadReviewCourse();
  if (!course.Loaded) Lesson = 99;
  TBuilderView page;
  page.Setup = PrepareWizard(course.Keys, Lesson, KnownKeys);
  KeyLesson = page.Setup.KeyLesson;
  Lesson = page.Setup.Lesson;
  KnownKeys = page.Setup.KnownKeys;
  const int pageResult = page.Execute();
  if (pageResult != TBuilderView::kNext) return pageResult;

  const ReviewMethod method = page.Method();
  const ReviewKeySet keySet = ChooseKeySet(course.Keys, page.Setup, page.KeyOption(), method,
                                           page.TypedKeys(), page.DifficultKeys);
  const ReviewMaterial material =
      ChooseReviewMaterial("", course.WizardName, Settings().DefaultWizard);
  TRevisionBuilder builder(material.IndexFileName, material.DataFileName);
  Randomize(GetHost().TickCount());
  WizResultView().SetKeys(keySet.Keys);
  if (page.KeyOption() == ReviewKeyOption::Pairs)
    return RunBuilt(BuildPairReview(course.Keys, keySet.Lesson, page.Setup.SlowPairs, builder,
                                    WordListFiles()));
  return RunBuilt(BuildReview(course.Keys, keySet, method, builder));
}

int TBuilderEvent::RunBuilt(const BuiltReview& built) {
  if (built.Type == BuiltReview::None) return 0;
  const bool typing = built.Type == BuiltReview::WordDrill || built.Type == BuiltReview::Sentences;
  const char* type = built.Type == BuiltReview::WordDrill   ? "WORD"
                     : built.Type == BuiltReview::Sentences ? "SENTENCE"
                     : built.Type == BuiltReview::Bubbles   ? "BUBBLES"
                                                            : "WORDTRIS";
  std::unique_ptr<StudyEvent> event = Events().Create(type, built.EventLine);
  if (!event) return 0;
  EventSetup setup;
  setup.InCourse = InCourse;
  setup.TimeBudget = Duration;
  setup.KnownKeys = built.KnownKeys;
  event->Prepare(setup);
  if (typing) {
    if (auto* page = dynamic_cast<TEvent*>(event.get())) page->LoadText(TextOfLines(built.Lines));
  } else if (built.Type == BuiltReview::WordTris) {
    // The game's own word file does not exist: it plays the words found.
    if (auto* game = dynamic_cast<TCustomGameEvent*>(event.get())) game->SetWords(built.Lines);
  }
  const int result = event->Run();
  if (typing) {
    WizResultView().RecordAfter();
    ChapterView().AttachedView1 = &WizResultView();
  }
  return result;
}

void RegisterReviewEvents() {
  Events().Register("BUILDER", [](const std::string& line) -> std::unique_ptr<StudyEvent> {
    return std::make_unique<TBuilderEvent>(line);
  });
}

}  // namespace tq
