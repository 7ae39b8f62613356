#pragma once
// TAddViewsStg: the studying profile page. WizardL (left page) holds the
// course choice with its description and the lesson length choice with its
// gauge; WizardR (right page) the contents preview of the chosen course.
// Captions come from the string table.

#include <QComboBox>
#include <QRadioButton>

#include "gui/storage/storage_form.h"

namespace tq {

class TPieGauge;
class ViewCanvasWidget;

class TAddViewsStg : public TStorageForm {
 public:
  TAddViewsStg();

  TPanel* WizardL;
  TLabel* ContentsTitle;
  TLabel* ContentsLbl;
  QComboBox* ContentsList;
  TLabel* Description;
  TLabel* ProgramLocked;
  TLabel* LessonTitle;
  TLabel* LessonLbl;
  QRadioButton* Time25;
  QRadioButton* Time35;
  QRadioButton* Time45;
  QRadioButton* TimeFree;
  TPieGauge* LessonGraph;
  TLabel* NoteLbl;
  TLabel* TimeLocked;

  TPanel* WizardR;
  TLabel* PreviewLbl;
  ViewCanvasWidget* Preview;
};

}  // namespace tq
