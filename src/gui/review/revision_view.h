#pragma once
// The Review tab: the review picture on the left page (TRevisionPicture)
// and the menu of review activities on the right (TRevisionView): the
// review wizard, story typing and the three games with a chosen vocabulary
// or key set. TRevision runs the tab until the student leaves it.

#include <string>

#include "gui/shell/form_view.h"
#include "gui/widgets/controls.h"

namespace tq {

// The activities the right page closes with.
constexpr int kActivityWordTris = 1;
constexpr int kActivityBubbles = 3;
constexpr int kActivityStory = 4;
constexpr int kActivityClouds = 5;
constexpr int kActivityWizard = 6;

class TRevisionPicture : public TFormView {
 public:
  void ShowPage() override;
};

class TRevisionView : public TFormView {
 public:
  void ShowPage() override;
  void HidePage() override;
  void KeyDown(int& key, ShiftState shift) override;
  // A click on an activity's picture or caption.
  void ActivityClick(QWidget* sender);

  int StoryDuration = 1;
  std::string TrisVocabulary = "-stud-";
  std::string CloudsVocabulary = "-stud-";
  int BubblesKeySet = 1;

 private:
  TConnections connections_;
};

class TRevision {
 public:
  // Shows the Review tab until the student leaves it; returns 0.
  int Run();

 private:
  int RunActivity(int activity, const TRevisionView& choices);
};

}  // namespace tq
