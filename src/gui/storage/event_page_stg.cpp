#include "gui/storage/event_page_stg.h"

#include <QLinearGradient>
#include <QPainter>

#include "core/shell/strings.h"
#include "gui/shell/qt_text.h"

namespace tq {
namespace {

TEventPageStg* g_form = nullptr;

const QColor kSlateLight(78, 104, 128);
const QColor kSlateDark(44, 62, 80);
const QColor kCream(250, 245, 232);
const QColor kGold(196, 160, 92);

// The console: a slate slab with a lighter rim.
void PaintConsole(QPainter& p, const QRect& r) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, kSlateLight);
  g.setColorAt(1, kSlateDark);
  p.setPen(QPen(QColor(30, 42, 54), 1));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
  p.setPen(QPen(QColor(255, 255, 255, 50), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(r).adjusted(2.5, 2.5, -2.5, -2.5), 6, 6);
}

// A screen: black glass sunk into the page.
void PaintScreen(QPainter& p, const QRect& r) {
  p.setPen(QPen(QColor(120, 120, 120), 1));
  p.setBrush(Qt::black);
  p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
  p.setPen(QPen(QColor(0, 0, 0, 160), 1));
  p.drawLine(QPointF(r.left() + 3, r.top() + 1.5), QPointF(r.right() - 3, r.top() + 1.5));
}

// The strip between the model text and what is typed (or the keyboard).
void PaintStrip(QPainter& p, const QRect& r) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, kSlateLight);
  g.setColorAt(1, kSlateDark);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRoundedRect(QRectF(r).adjusted(0, 3, 0, -3), 5, 5);
  p.setPen(QPen(kGold, 1));
  const qreal y = r.center().y() + 0.5;
  p.drawLine(QPointF(r.left() + 12, y), QPointF(r.right() - 12, y));
}

// A raised frame around the drill word or the feedback picture.
void PaintFrame(QPainter& p, const QRect& r) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 40));
  p.drawRoundedRect(QRectF(r).adjusted(3, 3, 0, 0), 7, 7);
  p.setPen(QPen(kSlateDark, 1.5));
  p.setBrush(kCream);
  p.drawRoundedRect(QRectF(r).adjusted(1, 1, -4, -4), 7, 7);
}

// The message card over a finished exercise.
void PaintCard(QPainter& p, const QRect& r) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 50));
  p.drawRoundedRect(QRectF(r).adjusted(3, 3, 0, 0), 8, 8);
  p.setPen(QPen(kGold, 1.5));
  p.setBrush(kCream);
  p.drawRoundedRect(QRectF(r).adjusted(1, 1, -4, -4), 8, 8);
}

TImage* AddPainted(QWidget* parent, const char* name, QRect geometry, TImage::Painter painter) {
  auto* image = new TImage(parent, name);
  image->setGeometry(geometry);
  image->SetPainter(std::move(painter));
  return image;
}

}  // namespace

TEventPageStg::TEventPageStg() : TStorageForm("EventPageStg") {
  // The console ends above the book's button console in the corner.
  RightConsole = AddPainted(this, "RightConsole", QRect(566, 6, 146, 336), PaintConsole);

  EventConsole = AddPanel("EventConsole", kWidePageWidth, kPageHeight);
  EventConsole->SetTransparent();
  const QFont title = PixelFont("Arial", 13, true);
  TimeLbl = MakeLabel(EventConsole, "TimeLbl", QPoint(582, 20), title, Qt::white);
  Screen2 = AddPainted(EventConsole, "Screen2", QRect(580, 40, 119, 66), PaintScreen);
  TimeLabel = MakeLabel(EventConsole, "TimeLabel", QPoint(584, 46), PixelFont("Arial", 26, true),
                        QColor(0, 255, 0));
  TimeLabel->SetAutoSize(false);
  TimeLabel->SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
  TimeLabel->resize(111, 32);
  // It changes while the page waits for a key: it paints its own black, so
  // nothing under it has to be painted again.
  TimeLabel->SetTransparent(false);
  TimeLabel->SetBackground(Qt::black);
  TimeLabel->setAttribute(Qt::WA_OpaquePaintEvent);
  TimeGraph = new TGauge(EventConsole, "TimeGraph");
  TimeGraph->setGeometry(588, 86, 103, 12);
  TimeGraph->SetColors(QColor(0, 200, 0), QColor(20, 20, 20));
  CorrectTitle = MakeLabel(EventConsole, "CorrectTitle", QPoint(582, 124), title, Qt::white);
  CorrectTitle->SetCaption(ToQString(Str(kStrCorrectLampsTitle)));
  CorrectTitle->hide();
  Screen3 = AddPainted(EventConsole, "Screen3", QRect(580, 144, 119, 30), PaintScreen);
  RhythmTitle = MakeLabel(EventConsole, "RhythmTitle", QPoint(582, 180), title, Qt::white);
  RhythmTitle->SetCaption(ToQString(Str(kStrRhythmLightTitle)));
  RhythmTitle->hide();
  LeftConsole =
      AddPainted(EventConsole, "LeftConsole", QRect(50, 271, kScreen1Width, 22), PaintStrip);
  Screen1 = AddPainted(EventConsole, "Screen1", QRect(50, 306, kScreen1Width, 102), PaintScreen);

  EventMsg = AddPanel("EventMsg", 270, 74);
  EventMsg->SetTransparent();
  AddPainted(EventMsg, "MsgFrame", EventMsg->rect(), PaintCard);
  MsgLabel1 = MakeLabel(EventMsg, "MsgLabel1", QPoint(0, 12), PixelFont("Arial", 18, true),
                        QColor(44, 62, 80));
  MsgLabel2 = MakeLabel(EventMsg, "MsgLabel2", QPoint(0, 42), PixelFont("Arial", 14), Qt::black);
  for (TLabel* l : {MsgLabel1, MsgLabel2}) {
    l->SetAutoSize(false);
    l->SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->resize(EventMsg->width(), 26);
  }
  EventMsg->hide();

  QFont credit = PixelFont("Arial", 12);
  credit.setItalic(true);
  CreditLbl = MakeLabel(this, "CreditLbl", QPoint(50, 202), credit, Qt::darkGray);

  NewKeys = AddPanel("NewKeys", 540, 110);
  NewKeys->SetTransparent();
  FingerLbl = MakeLabel(NewKeys, "FingerLbl", QPoint(120, 70), PixelFont("Arial", 16, true),
                        QColor(44, 62, 80));
  NewKeys->hide();

  DecorativeBox = AddPainted(this, "DecorativeBox", QRect(24, 9, 386, 94), PaintFrame);
  AnotherDecorativeBox =
      AddPainted(this, "AnotherDecorativeBox", QRect(412, 9, 94, 94), PaintFrame);
}

TEventPageStg* EventPageStg() {
  return g_form;
}

void CreateEventPageStg() {
  if (!g_form) g_form = new TEventPageStg;
}

void DestroyEventPageStg() {
  delete g_form;
  g_form = nullptr;
}

}  // namespace tq
