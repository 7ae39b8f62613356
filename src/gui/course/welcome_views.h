#pragma once
// The pages around a course: the welcome page a student sees before
// starting (begin studying, or watch the introduction when there is one) and
// the course-completed page (restart the course, or skip back to the last
// lesson). Both are on the wide page; each choice plays the click.

#include "gui/shell/form_view.h"

namespace tq {

class TWelcomeView : public TFormView {
 public:
  static constexpr int kStudy = 1;
  static constexpr int kIntroduction = 2;

  void ShowPage() override;
  void HidePage() override;
  void KeyDown(int& key, ShiftState shift) override;
  void Choose(int result);

  // Set before showing: without an introduction its choice is hidden.
  bool IntroductionAvailable = true;
};

class TGoodbyeView : public TFormView {
 public:
  static constexpr int kRestart = 1;
  static constexpr int kBack = 2;

  void ShowPage() override;
  void HidePage() override;
  void KeyDown(int& key, ShiftState shift) override;
  void Choose(int result);
};

}  // namespace tq
