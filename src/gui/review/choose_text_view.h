#pragma once
// TChooseTextView: the story selection page. The student continues the
// story he typed last or picks a new one from the list of the course's
// stories and his own texts, seeing its author, title, copyright line and
// the beginning of its text. The list and the previews are the core's
// (core/exercises/story_list.h); this page shows them and returns the
// choice to the "ASK:" text source.

#include <QListWidget>
#include <string>
#include <vector>

#include "core/exercises/story_list.h"
#include "gui/shell/form_view.h"
#include "gui/widgets/controls.h"

class QRadioButton;

namespace tq {

class ViewCanvasWidget;

class TChooseTextView : public TFormView {
 public:
  static constexpr int kNew = 1;
  static constexpr int kContinue = 2;
  static constexpr int kBack = 3;

  TChooseTextView();
  ~TChooseTextView() override;

  // Fills the list; returns 0 when every file opened, otherwise the open
  // state of the last that failed.
  int BuildTextList(const std::string& mask, const std::string& userFolder);

  void ShowPage() override;
  void HidePage() override;
  void KeyDown(int& key, ShiftState shift) override;
  void ButtonClick(const QString& name);
  void TextSelected();

  std::string FileName;
  std::string CurrentStory;
  std::vector<std::string> FileNames;
  ViewCanvasWidget* Preview = nullptr;

 private:
  TConnections connections_;
};

// Installs the page as the story selector of the "ASK:" text source.
void InstallStoryPage();

}  // namespace tq
