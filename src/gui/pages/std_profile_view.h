#pragma once
// TStdProfileView: the studying profile page, where a student chooses a
// course (every "*.cnt" of the program directory, listed by its
// description) and the length of one lesson. The left page shows the
// course's long description and the lesson length with its gauge, the
// right page the course's lessons. Settings may lock either choice. On
// Next the choices go into the signed-in student.

#include <string>
#include <vector>

#include "gui/shell/form_view.h"
#include "gui/widgets/controls.h"

namespace tq {

class TStdProfileView : public TFormView {
 public:
  static constexpr int kNext = 1;
  static constexpr int kBack = 2;

  void ShowPage() override;
  void HidePage() override;
  void KeyDown(int& key, ShiftState shift) override;

  // The selected course changed: description, default lesson length and
  // preview follow it.
  void CourseChanged();
  // The gauge shows the checked lesson length.
  void UpdateLessonGauge();
  // Plays the click and closes with 1 for "Next", 2 for "Back".
  void ButtonClick(const QString& name);
  // The lesson length of the checked button: 25, 35, 45, or 0 for no limit.
  int CheckedMinutes() const;

  // Course file names without extension, in the order of the course list.
  std::vector<std::string> CourseFiles;

 private:
  TConnections connections_;
};

// The one profile page of the program.
TStdProfileView& StdProfileView();

}  // namespace tq
