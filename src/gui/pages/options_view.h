#pragma once
// TOptionsView: the page of the Settings tab. The student sets sound
// effects, lesson duration and exercise font size for himself, and the
// keyboard layout, the theme tune and the speed unit for the installation.
// Groups an administrator locked are shown disabled with a "Locked" label.
// The on-screen keyboard below the pages shows the chosen layout, so that
// the student can compare it with the real keyboard. The rules of what is
// shown and stored are in core/pages/options_choices.h.

#include <QPointer>

#include "core/pages/options_choices.h"
#include "gui/shell/form_view.h"
#include "gui/widgets/controls.h"

class QWidget;

namespace tq {

class TKeyboard;

class TOptionsView : public TFormView {
 public:
  TOptionsView();
  ~TOptionsView() override;

  void ShowPage() override;
  void HidePage() override;
  void KeyDown(int& key, ShiftState shift) override;

  // The keyboard choice changed (sender: the control that changed it, or
  // none): the settings follow, and the keyboard shows the layout's file.
  void LayoutChanged(QWidget* sender);
  // The choices as the controls show them now.
  OptionsChoices Choices() const;
  // Stores the choices into the settings and the signed-in student, and
  // writes both.
  void StoreChoices();

  QPointer<TKeyboard> Keyboard;

 private:
  void FitKeyboard();
  TConnections connections_;
};

// Runs the Settings tab until it is closed, then stores the choices.
void RunOptions();

}  // namespace tq
