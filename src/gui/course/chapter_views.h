#pragma once
// The lesson spread between exercises. TChapterView is the frame: its left
// view (AttachedView1) and right view (AttachedView2) fill the two pages,
// and it ends when its right view closes. TChpBeginView is the lesson title
// page, TExercInfoView the results of the last measured exercise with the
// commentator's tip, TChpContentsView the exercise list with the Begin and
// Skip buttons. One instance of each lives for the whole run: other pages
// put their own page on the left (a text exercise its results, a game its
// top ten) by setting ChapterView().AttachedView1.

#include <string>

#include "core/exercises/result_trends.h"
#include "gui/shell/form_view.h"
#include "gui/widgets/controls.h"

class QPixmap;

namespace tq {

class TChapter;
class TChapterStgs;
struct TextResults;
class TExerciseList;

class TChapterView : public TFormView {
 public:
  void CloseView(bool& refuse) override;
  void ShowPage() override;
  void HidePage() override;

 private:
  TFormView* routed_ = nullptr;  // the right view whose closing ends the frame
};

class TChpBeginView : public TFormView {
 public:
  void ShowPage() override;
};

// The results page. The text exercises hand it their figures when they
// end: SetHasResults(true), MarkPrevious, the five values with their grades
// and the tip; or SetHasResults(false) after too short a run. The values
// are kept between exercises; each setter also stores the value in the
// signed-in student's last results.
class TExercInfoView : public TFormView {
 public:
  using Trend = tq::Trend;

  TExercInfoView();

  bool Show() override;
  void ShowPage() override;

  void SetSpeed(int cpm);
  void SetAccuracy(float percent);
  void SetBackSpace(float percent);
  void SetEfficiency(int percent);
  void SetRhythm(int percent);
  void SetSpeedGrade(const std::string& text);
  void SetAccuracyGrade(const std::string& text);
  void SetBackSpaceGrade(const std::string& text);
  void SetEfficiencyGrade(const std::string& text);
  void SetRhythmGrade(const std::string& text);
  void SetTip(const std::string& text);
  void SetExerciseId(const std::string& text);
  // What a text exercise hands over when its page closes: its figures, or
  // none after too short a run (an exam's verdict then stands as the tip).
  // The page becomes the spread's left page.
  void ShowTextResults(const TextResults& results);

  // Set after results were set (true) or after a run too short to measure
  // (false). The page shows the values from then on, or the dashes and
  // the short-time text; the flag itself is cleared when the page shows.
  void SetHasResults(bool hasResults);
  bool HasResults() const { return hasResults_; }
  // Whether the page shows values (not the dashes) when it is shown.
  bool ShowsResults() const { return showsResults_; }
  // Back to the values of a new page.
  void ResetResults();
  // A student signs in: the first exercise compares with his last results.
  void BeginStudent(const TUser& student);

  // The picture of a trend in a set (1 or 2), from the general storage
  // form; drawn when its file is missing.
  static QPixmap TrendPicture(Trend trend, int set);

  // The figures and their trends; the setters above keep them.
  TResultTrends Trends;
  std::string TipText;
  std::string SpeedGrade;
  std::string AccuracyGrade;
  std::string BackSpaceGrade;
  std::string EfficiencyGrade;
  std::string RhythmGrade;
  std::string ExerciseId;

 private:
  void SetChange(TImage* TChapterStgs::*image, int set, Trend trend);
  void ShowNoResults();

  bool hasResults_ = false;
  bool showsResults_ = false;
  bool verdict_ = false;  // the tip label holds an exam's verdict
};

class TChpContentsView : public TFormView {
 public:
  // Results of the page's buttons.
  static constexpr int kBegin = 1;
  static constexpr int kCancel = 2;
  static constexpr int kSkipBack = 3;
  static constexpr int kSkipForward = 4;

  void ShowPage() override;
  void HidePage() override;
  void KeyPress(char& key) override;
  void KeyDown(int& key, ShiftState shift) override;

  // The book's console button with that name was clicked.
  void ButtonClick(const QString& name);
  TExerciseList* List() const;

  const TChapter* Chapter = nullptr;
  int Selected = 1;
  bool SkipForwardOn = true;
  bool SkipBackOn = true;
  bool CancelOn = false;
  // Caption of the list's last row.
  std::string LastRowText;
  // Completed rows come from the student's ExerciseDone flags; off for a
  // lesson that is not one of the student's course (the introduction).
  bool ShowDoneFlags = true;
};

TChapterView& ChapterView();
TChpBeginView& ChpBeginView();
TExercInfoView& ExercInfoView();
TChpContentsView& ChpContentsView();
// Makes the results page the receiver of the text exercises' figures.
void InstallResultsPage();

}  // namespace tq
