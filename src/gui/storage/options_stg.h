#pragma once
// TOptioStg: the controls of the Settings tab. The left page's groups
// (sounds, lesson duration, fonts) sit on Panel1, the right page's
// (general settings, keyboard) on Panel2; KeybPanel holds the on-screen
// keyboard on the right page, under the keyboard group. Each lockable group has a hidden "Locked"
// label.

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include "gui/storage/storage_form.h"

namespace tq {

class TOptioStg : public TStorageForm {
 public:
  TOptioStg();

  // Where the keyboard panel goes on the right page, below the keyboard
  // group; the keyboard is drawn smaller to fit it, and the panel's height
  // then shrinks to the keyboard's.
  static constexpr QRect kKeybPanelPlace{8, 254, 322, 166};
  // The panel's green around the keyboard.
  static constexpr int kKeybPanelPadding = 4;

  TPanel* Panel1;
  TPanel* Panel2;
  TPanel* KeybPanel;

  TLabel* SoundsTitle;
  TLabel* SoundsLbl;
  QRadioButton* SoundButton1;
  QRadioButton* SoundButton2;
  TLabel* SoundsLocked;

  TLabel* LessonTitle;
  TLabel* LessonLbl;
  QRadioButton* lesson1;
  QRadioButton* lesson2;
  QRadioButton* lesson3;
  QRadioButton* lessonfree;
  TLabel* TimeLocked;

  TLabel* FontsTitle;
  TLabel* FontsLbl;
  QRadioButton* NormalFont;
  QRadioButton* LargeFont;

  TLabel* GeneralTitle;
  TLabel* ThemeTitle;
  QCheckBox* GeneralTheme;
  TLabel* ThemeLocked;
  TLabel* MeasuringLabel;
  QRadioButton* WpmChoice;
  QRadioButton* CpsChoice;
  TLabel* UnitLocked;

  TLabel* KeyboardTitle;
  TLabel* KeyboardLbl;
  QRadioButton* AutoDetect;
  TLabel* AutoLayout;
  QRadioButton* UserLayout;
  QComboBox* Layout;
  TLabel* NoteLbl;
  TLabel* KeyboardLocked;
};

}  // namespace tq
