#include "gui/storage/chapter_stgs.h"

#include <QLinearGradient>
#include <QPainter>

#include "core/shell/strings.h"
#include "gui/shell/qt_text.h"
#include "gui/widgets/exercise_list.h"
#include "gui/widgets/pictures.h"

namespace tq {
namespace {

const QColor kInk(60, 44, 32);
const QColor kGrey(110, 110, 110);
const QColor kNumberRed(128, 0, 0);

constexpr int kRowWidth = 265;
constexpr int kRowHeight = 24;
constexpr int kFigureTop = 86;
constexpr int kFigureStep = 30;

// The drawn row pictures: a rounded bar, warm for the current row, green
// with a tick for a completed exercise, pale for the others.
QPixmap DrawnRow(QColor top, QColor bottom, QColor edge, bool tick) {
  QPixmap picture(kRowWidth, kRowHeight);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient fill(0, 0, 0, kRowHeight);
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  p.setPen(QPen(edge, 1));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(0.5, 0.5, kRowWidth - 1, kRowHeight - 1), 5, 5);
  if (tick) {
    p.setPen(QPen(QColor(40, 120, 40), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF tickPath[] = {{8, 12.5}, {12, 17}, {19, 7}};
    p.drawPolyline(tickPath, 3);
  }
  return picture;
}

void FillPicture(TImage* image, const QPixmap& drawn) {
  EnsureArtPicture(image);
  if (image->Picture().isNull()) image->SetPicture(drawn);
}

}  // namespace

TChapterStgs::TChapterStgs() : TStorageForm("ChapterStgs") {
  Panel1 = AddPanel("Panel1", kPageWidth, kPageHeight);
  Panel3 = AddPanel("Panel3", kPageWidth, kPageHeight);
  Panel4 = AddPanel("Panel4", kPageWidth, kPageHeight);

  // The lesson title page.
  ChpPicture = new TImage(Panel1, "ChpPicture");
  ChpPicture->setGeometry(kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight);
  LessonWord = MakeLabel(Panel1, "LessonWord", QPoint(kDigitsLeft + 2, kDigitsTop),
                         PixelFont("Arial", 13, true), kGrey, kStrLessonWord);
  const QFont digits = PixelFont("Times New Roman", 104, true);
  Chapter2 =
      MakeLabel(Panel1, "Chapter2", QPoint(kDigitsLeft, kDigitsTop + 14), digits, kNumberRed);
  Chapter = MakeLabel(Panel1, "Chapter", QPoint(kDigitsLeft, kDigitsTop + 14), digits, kNumberRed);
  LessonCount = MakeLabel(Panel1, "LessonCount", QPoint(kDigitsLeft + 70, kDigitsTop + 84),
                          PixelFont("Arial", 22, true), kGrey);

  // The exercise list page.
  ExercisesTitle = MakeLabel(Panel3, "ExercisesTitle", QPoint(40, 14), PixelFont("Arial", 24, true),
                             kInk, kStrExercisesTitle);
  ExerciseList = new TExerciseList(Panel3);
  ExerciseList->setGeometry(40, 50, kRowWidth, 0);
  ExercisesHint =
      MakeLabel(Panel3, "ExercisesHint", QRect(40, 276, kRowWidth, 60), PixelFont("Arial", 12),
                kGrey, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, kStrExerciseListHint);

  // The results page.
  InfoTitle = MakeLabel(Panel4, "InfoTitle", QPoint(20, 54), PixelFont("Arial", 15, true), kInk,
                        kStrResultsTitle);
  ExerciseIDLbl = MakeLabel(Panel4, "ExerciseIDLbl", QRect(190, 55, 128, 18),
                            PixelFont("Arial", 13), kGrey, Qt::AlignRight | Qt::AlignTop);
  struct Figure {
    TLabel** title;
    const char* titleName;
    int text;
    TLabel** value;
    const char* valueName;
    TImage** change;
    const char* changeName;
    TLabel** grade;
    const char* gradeName;
  };
  const Figure figures[] = {
      {&SpeedTitle, "SpeedTitle", kStrSpeedTitle, &SpeedLbl, "SpeedLbl", &SpeedChange,
       "SpeedChange", &SpeedGradeLbl, "SpeedGradeLbl"},
      {&AccuracyTitle, "AccuracyTitle", kStrAccuracyTitle, &ErrorsLbl, "ErrorsLbl", &ErrorsChange,
       "ErrorsChange", &ErrorsGradeLbl, "ErrorsGradeLbl"},
      {&BackSpaceTitle, "BackSpaceTitle", kStrBackSpaceTitle, &BackSpaceLbl, "BackSpaceLbl",
       &BackSpaceChange, "BackSpaceChange", &BackSpaceGradeLbl, "BackSpaceGradeLbl"},
      {&EfficiencyTitle, "EfficiencyTitle", kStrEfficiencyTitle, &EfficiencyLbl, "EfficiencyLbl",
       &EfficiencyChange, "EfficiencyChange", &EfficiencyGradeLbl, "EfficiencyGradeLbl"},
      {&RhythmTitle, "RhythmTitle", kStrRhythmTitle, &RhythmLbl, "RhythmLbl", &RhythmChange,
       "RhythmChange", &RhythmGradeLbl, "RhythmGradeLbl"},
  };
  int top = kFigureTop;
  for (const Figure& f : figures) {
    *f.title =
        MakeLabel(Panel4, f.titleName, QPoint(20, top + 2), PixelFont("Arial", 15), kInk, f.text);
    *f.value = MakeLabel(Panel4, f.valueName, QRect(116, top, 84, 22), PixelFont("Arial", 17, true),
                         Qt::black, Qt::AlignRight | Qt::AlignTop);
    *f.change = new TImage(Panel4, f.changeName);
    (*f.change)->setGeometry(210, top + 3, 16, 16);
    *f.grade = MakeLabel(Panel4, f.gradeName, QPoint(236, top + 3), PixelFont("Arial", 13), kGrey);
    top += kFigureStep;
  }
  UnitMark = MakeLabel(Panel4, "UnitMark", QPoint(69, kFigureTop), PixelFont("Arial", 13), kGrey,
                       kStrUnitMark);
  SpeedUnit = MakeLabel(Panel4, "SpeedUnit", QPoint(20, top + 4), PixelFont("Arial", 12), kGrey);
  CommentatorTitle = MakeLabel(Panel4, "CommentatorTitle", QPoint(20, top + 34),
                               PixelFont("Arial", 15, true), kInk, kStrCommentatorTitle);
  TipLbl = MakeLabel(Panel4, "TipLbl", QRect(20, top + 58, 300, 428 - (top + 58) - 8),
                     PixelFont("Arial", 14), kInk, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);

  // Row pictures of the exercise list.
  ActivePic = AddImage("ActivePic", kRowWidth, kRowHeight);
  InactivePic = AddImage("InactivePic", kRowWidth, kRowHeight);
  CompletedPic = AddImage("CompletedPic", kRowWidth, kRowHeight);
  for (TImage* image : {ActivePic, InactivePic, CompletedPic}) image->hide();
}

void TChapterStgs::LoadPictures() {
  FillPicture(ActivePic,
              DrawnRow(QColor(255, 226, 150), QColor(238, 184, 80), QColor(176, 120, 40), false));
  FillPicture(InactivePic,
              DrawnRow(QColor(252, 250, 242), QColor(232, 228, 214), QColor(190, 184, 166), false));
  FillPicture(CompletedPic,
              DrawnRow(QColor(226, 244, 222), QColor(196, 226, 190), QColor(130, 170, 120), true));
}

}  // namespace tq
