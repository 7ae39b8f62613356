#include "gui/storage/add_views_stg.h"

#include "core/exercises/view_canvas.h"
#include "core/shell/strings.h"
#include "gui/exercises/view_canvas_widget.h"
#include "gui/shell/qt_text.h"
#include "gui/widgets/pie_gauge.h"

namespace tq {
namespace {

const QColor kInk(60, 44, 32);
const QColor kGrey(110, 110, 110);
const QColor kLockRed(160, 30, 30);

}  // namespace

TAddViewsStg::TAddViewsStg() : TStorageForm("AddViewsStg") {
  WizardL = AddPanel("WizardL", kPageWidth, kPageHeight);
  WizardR = AddPanel("WizardR", kPageWidth, kPageHeight);

  ContentsTitle = MakeLabel(WizardL, "ContentsTitle", QPoint(20, 50), PixelFont("Arial", 18, true),
                            kInk, kStrProfileCourseTitle);
  ProgramLocked = MakeLabel(WizardL, "ProgramLocked", QPoint(260, 54), PixelFont("Arial", 13, true),
                            kLockRed, kStrProfileLocked);
  ProgramLocked->hide();
  ContentsLbl = MakeLabel(WizardL, "ContentsLbl", QPoint(20, 78), PixelFont("Arial", 14), kInk,
                          kStrProfileCourseQuestion);
  ContentsList = new QComboBox(WizardL);
  ContentsList->setObjectName(QStringLiteral("ContentsList"));
  ContentsList->setFont(PixelFont("Arial", 14));
  ContentsList->setGeometry(20, 100, 298, 26);
  Description =
      MakeLabel(WizardL, "Description", QPoint(20, 132), PixelFont("Arial", 12), kGrey, 0);
  Description->SetAutoSize(false);
  Description->SetWordWrap(true);
  Description->resize(298, 76);

  LessonTitle = MakeLabel(WizardL, "LessonTitle", QPoint(20, 214), PixelFont("Arial", 18, true),
                          kInk, kStrProfileLessonTitle);
  TimeLocked = MakeLabel(WizardL, "TimeLocked", QPoint(260, 218), PixelFont("Arial", 13, true),
                         kLockRed, kStrProfileLocked);
  TimeLocked->hide();
  LessonLbl = MakeLabel(WizardL, "LessonLbl", QPoint(20, 242), PixelFont("Arial", 14), kInk,
                        kStrProfileLessonQuestion);
  Time25 = MakeRadio(WizardL, "Time25", QRect(28, 268, 170, 24), kStrProfileTime25);
  Time35 = MakeRadio(WizardL, "Time35", QRect(28, 294, 170, 24), kStrProfileTime35);
  Time45 = MakeRadio(WizardL, "Time45", QRect(28, 320, 170, 24), kStrProfileTime45);
  TimeFree = MakeRadio(WizardL, "TimeFree", QRect(28, 346, 170, 24), kStrProfileTimeFree);
  Time45->setChecked(true);
  LessonGraph = new TPieGauge(WizardL, "LessonGraph");
  LessonGraph->setGeometry(214, 272, 90, 90);
  LessonGraph->SetMaxValue(60);
  NoteLbl = MakeLabel(WizardL, "NoteLbl", QPoint(20, 384), PixelFont("Arial", 12), kGrey,
                      kStrProfileNote);

  PreviewLbl = MakeLabel(WizardR, "PreviewLbl", QPoint(19, 14), PixelFont("Arial", 15, true), kInk,
                         kStrProfilePreview);
  Preview = new ViewCanvasWidget(WizardR);
  Preview->setObjectName(QStringLiteral("Preview"));
  // The preview ends above the button console in the corner of the page.
  Preview->setGeometry(16, 37, 316, 300);
  Preview->setFont(PointFont("Arial", 10));
  Preview->SetFontColor(0x808080);
  Preview->Canvas().SetCursorMode(TViewCanvas::kNoCursor);
}

}  // namespace tq
