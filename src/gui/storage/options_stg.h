#pragma once
// TOptioStg: the controls of the Settings tab. The left page's groups
// (sounds, lesson duration, fonts) sit on Panel1, the right page's
// (general settings, keyboard) on Panel2; KeybPanel holds the on-screen
// keyboard below both pages. Each lockable group has a hidden "Locked"
// label.

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include "gui/storage/storage_form.h"

namespace tq {

class TOptioStg : public TStorageForm {
 public:
  TOptioStg();

  // Where the keyboard panel goes on the book, below both pages.
  static constexpr QRect kKeybPanelPlace{132, 330, 502, 170};

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
