#pragma once
// The review event of a course ("BUILDER") and its wizard page. TBuilderView
// is the page where the student chooses the keys and the method;
// TBuilderEvent runs it, lets the core's review rules (core/review/) turn
// the choice into a word drill, crazy sentences or a game, runs that as a
// nested event and then shows the before/after results page.

#include <QPointer>
#include <memory>
#include <string>

#include "core/exercises/event_factory.h"
#include "core/review/builder_event.h"
#include "gui/shell/form_view.h"
#include "gui/widgets/controls.h"

namespace tq {

class TGraph;

class TBuilderView : public TFormView {
 public:
  static constexpr int kNext = 1;
  static constexpr int kBack = 2;

  TBuilderView();
  ~TBuilderView() override;

  void ShowPage() override;
  void HidePage() override;
  void KeyDown(int& key, ShiftState shift) override;
  // Next, Back, ChooseKeys and the four methods, by the control's name.
  void PageButtonClick(const QString& name);

  // What the event sets before the page runs.
  WizardSetup Setup;
  // After the page: the choices.
  ReviewKeyOption KeyOption() const;
  ReviewMethod Method() const;
  std::string TypedKeys() const;
  // The difficult keys above 50 shown on the page.
  std::string DifficultKeys;

 private:
  // The letter-pair option: its list, and the methods it allows.
  void ShowSlowPairs();
  void UpdateMethods();

  TConnections connections_;
  QPointer<QWidget> graph_;
};

class TBuilderEvent : public StudyEvent {
 public:
  explicit TBuilderEvent(const std::string& eventLine);
  void Prepare(const EventSetup& setup) override;
  int Run() override;

  int Duration = 0;
  int KeyLesson = 0;
  int Lesson = 0;
  std::string KnownKeys;
  bool InCourse = true;

 private:
  int RunBuilt(const BuiltReview& built);
};

// Registers "BUILDER" with the course model's event factory.
void RegisterReviewEvents();

}  // namespace tq
