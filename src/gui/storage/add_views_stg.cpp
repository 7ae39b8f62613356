#include "gui/storage/add_views_stg.h"

#include "core/exercises/view_canvas.h"
#include "core/shell/strings.h"
#include "gui/exercises/view_canvas_widget.h"
#include "gui/pages/pie_gauge.h"
#include "gui/shell/qt_text.h"

namespace tq {
namespace {

const QColor kInk(60, 44, 32);
const QColor kGrey(110, 110, 110);
const QColor kLockRed(160, 30, 30);

TLabel* Label(QWidget* parent, const char* name, QPoint at, const QFont& font, const QColor& color,
              int text) {
  auto* label = new TLabel(parent, name);
  label->SetLabelFont(font);
  label->SetFontColor(color);
  label->SetCaption(ToQString(Str(text)));
  label->move(at);
  return label;
}

QRadioButton* Radio(QWidget* parent, const char* name, QRect box, int text) {
  auto* radio = new QRadioButton(ToQString(Str(text)), parent);
  radio->setObjectName(QString::fromLatin1(name));
  radio->setFont(PixelFont("Arial", 14));
  radio->setGeometry(box);
  return radio;
}

}  // namespace

TAddViewsStg::TAddViewsStg() : TStorageForm("AddViewsStg") {
  WizardL = AddPanel("WizardL", kPageWidth, kPageHeight);
  WizardR = AddPanel("WizardR", kPageWidth, kPageHeight);

  ContentsTitle = Label(WizardL, "ContentsTitle", QPoint(20, 50), PixelFont("Arial", 18, true),
                        kInk, kStrProfileCourseTitle);
  ProgramLocked = Label(WizardL, "ProgramLocked", QPoint(260, 54), PixelFont("Arial", 13, true),
                        kLockRed, kStrProfileLocked);
  ProgramLocked->hide();
  ContentsLbl = Label(WizardL, "ContentsLbl", QPoint(20, 78), PixelFont("Arial", 14), kInk,
                      kStrProfileCourseQuestion);
  ContentsList = new QComboBox(WizardL);
  ContentsList->setObjectName(QStringLiteral("ContentsList"));
  ContentsList->setFont(PixelFont("Arial", 14));
  ContentsList->setGeometry(20, 100, 298, 26);
  Description = Label(WizardL, "Description", QPoint(20, 132), PixelFont("Arial", 12), kGrey, 0);
  Description->SetAutoSize(false);
  Description->SetWordWrap(true);
  Description->resize(298, 76);

  LessonTitle = Label(WizardL, "LessonTitle", QPoint(20, 214), PixelFont("Arial", 18, true), kInk,
                      kStrProfileLessonTitle);
  TimeLocked = Label(WizardL, "TimeLocked", QPoint(260, 218), PixelFont("Arial", 13, true),
                     kLockRed, kStrProfileLocked);
  TimeLocked->hide();
  LessonLbl = Label(WizardL, "LessonLbl", QPoint(20, 242), PixelFont("Arial", 14), kInk,
                    kStrProfileLessonQuestion);
  Time25 = Radio(WizardL, "Time25", QRect(28, 268, 170, 24), kStrProfileTime25);
  Time35 = Radio(WizardL, "Time35", QRect(28, 294, 170, 24), kStrProfileTime35);
  Time45 = Radio(WizardL, "Time45", QRect(28, 320, 170, 24), kStrProfileTime45);
  TimeFree = Radio(WizardL, "TimeFree", QRect(28, 346, 170, 24), kStrProfileTimeFree);
  Time45->setChecked(true);
  LessonGraph = new TPieGauge(WizardL, "LessonGraph");
  LessonGraph->setGeometry(214, 272, 90, 90);
  LessonGraph->SetMaxValue(60);
  NoteLbl =
      Label(WizardL, "NoteLbl", QPoint(20, 384), PixelFont("Arial", 12), kGrey, kStrProfileNote);

  PreviewLbl = Label(WizardR, "PreviewLbl", QPoint(25, 14), PixelFont("Arial", 15, true), kInk,
                     kStrProfilePreview);
  Preview = new ViewCanvasWidget(WizardR);
  Preview->setObjectName(QStringLiteral("Preview"));
  Preview->setGeometry(25, 37, 300, 350);
  Preview->setFont(PointFont("Arial", 10));
  Preview->SetFontColor(0x808080);
  Preview->Canvas().SetCursorMode(TViewCanvas::kNoCursor);
}

}  // namespace tq
