#include "gui/records/statistics_view.h"

#include "core/exercises/key_data_ext.h"
#include "core/pages/statistics.h"
#include "core/pages/study_report.h"
#include "core/records/letter_pairs.h"
#include "core/records/user.h"
#include "core/shell/host.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"
#include "gui/records/report_printer.h"
#include "gui/records/shift_hand_overlay.h"
#include "gui/records/slow_pairs_list.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/sounds.h"
#include "gui/storage/statistics_stg.h"
#include "gui/storage/storage_forms.h"
#include "gui/widgets/graph.h"
#include "gui/widgets/key_heat_map.h"
#include "gui/widgets/pie_gauge.h"

namespace tq {
namespace {

TStatisticsStg& Stg() {
  return *StorageForms().StatisticsStg;
}

}  // namespace

void TStatisticsView::ShowPage() {
  TFormView::ShowPage();
  TBookForm* book = BookForm();
  TStatisticsStg& stg = Stg();
  book->Title->SetCaption(ToQString(Str(kStrTabStatistics)));
  Fill();
  BorrowControl(stg.Panel1, book->LeftPage);
  BorrowControl(stg.Panel2, book->RightPage);
  stg.Panel1->move(0, 0);
  stg.Panel2->move(0, 0);
  BorrowControl(stg.PrintBtn, book->TitleConsole);
  // On the title rule, clear of the quill at its right end.
  stg.PrintBtn->move(228, 10);
  stg.PrintBtn->setEnabled(!Settings().DisablePrintReport);
  stg.PrintBtn->raise();
  connections_.Add(
      QObject::connect(stg.PrintBtn, &QPushButton::clicked, [this] { PrintReport(); }));
  book->SetLayout(2);
  book->SetButtons(0);
  book->OnKeyDown = [this](int& key, ShiftState shift) { KeyDown(key, shift); };
  book->OnKeyPress = [this](char& key) { KeyPress(key); };
}

void TStatisticsView::HidePage() {
  TBookForm* book = BookForm();
  connections_.Clear();
  HideShiftHandShare(Stg().EfficiencyGraph);
  book->OnKeyDown = nullptr;
  book->OnKeyPress = nullptr;
  TFormView::HidePage();
}

void TStatisticsView::KeyDown(int& key, ShiftState shift) {
  TFormView::KeyDown(key, shift);
  if (shift == 0 && key == kVkEscape) {
    key = 0;
    if (BookForm()->OnStudyingTab) BookForm()->OnStudyingTab();
  }
}

void TStatisticsView::Fill() {
  TStatisticsStg& stg = Stg();
  TUser& student = CurrentUser();
  const bool wpm = Settings().MeasuringUnitWpm;
  EnsureLessonCount(student);
  const ProgressTexts texts = MakeProgressTexts(student, wpm);
  stg.TimeUsed->SetCaption(ToQString(texts.used));
  stg.Completed->SetCaption(ToQString(texts.completed));
  stg.TimeLeft->SetCaption(ToQString(texts.left));
  stg.UnitLbl->SetCaption(ToQString(texts.unit));
  stg.ProgressGauge->SetProgress(texts.percent);

  SetUpKeysGraph(stg.KeysGraph->Plot(), student.DifficultKeys());
  SetUpEfficiencyGraph(stg.EfficiencyGraph->Plot(), student);
  SetUpSpeedGraph(stg.SpeedGraph->Plot(), student, wpm);
  ShowShiftHandShare(stg.EfficiencyGraph, student.Name);
  for (TGraph* g : {stg.KeysGraph, stg.EfficiencyGraph, stg.SpeedGraph}) g->update();
  stg.HeatMap->SetKeys(
      MakeHeatMap(KeyData(), student.DifficultKeys(), stg.HeatMap->width(), stg.HeatMap->height()));
  const TDifficultKeys& keys = student.DifficultKeys();
  stg.PairsList->SetPairs(
      LetterPairs().SlowestPairs(TLetterPairs::kSlowCount, keys.FilterOn ? keys.LearnedKeys : ""));
}

void TStatisticsView::PrintReport() {
  PlaySound(kSoundClick);
  if (Settings().DisablePrintReport) return;
  TUser& student = CurrentUser();
  Host& host = GetHost();
  const StudyReport report = MakeStudentReport(
      student, student.GetContents(), Settings().MeasuringUnitWpm, host.ShortDateText(host.Now()));
  PrintStudyReport(BookForm(), LayoutStudyReport(report));
}

void RunStatistics() {
  TStatisticsView view;
  view.Execute();
}

}  // namespace tq
