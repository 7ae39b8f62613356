#include "gui/games/game_events.h"

#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "core/files/ansi.h"
#include "core/files/paths.h"
#include "core/shell/host.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"
#include "gui/shell/qt_text.h"
#include "gui/widgets/controls.h"

namespace tq {
namespace {

QPixmap BeamPicture(const QColor& top, const QColor& bottom);

QFont BeamFont() {
  return PixelFont("Times New Roman", 19, true);
}

// Draws text from a point, the typed part in one colour and the rest in
// another; returns the x after it.
int DrawTwoPart(QPainter& p, int x, int baseline, const QString& typed, const QColor& typedColor,
                const QString& rest, const QColor& restColor) {
  const QFontMetrics fm = p.fontMetrics();
  p.setPen(typedColor);
  p.drawText(x, baseline, typed);
  x += fm.horizontalAdvance(typed);
  p.setPen(restColor);
  p.drawText(x, baseline, rest);
  return x + fm.horizontalAdvance(rest);
}

void DrawBeam(QPainter& p, const QRect& r, const QColor& top, const QColor& bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.setPen(QPen(bottom.darker(140), 1));
  p.setBrush(g);
  p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 5, 5);
}

QPixmap BeamPicture(const QColor& top, const QColor& bottom) {
  QPixmap pm(220, 30);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  DrawBeam(p, pm.rect(), top, bottom);
  return pm;
}

// A cloud picture: overlapping puffs in the given colours.
QPixmap DrawCloudPicture(const QColor& body, const QColor& shade, bool sun) {
  QPixmap pm(110, 62);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  if (sun) {
    QRadialGradient g(QPointF(80, 20), 22);
    g.setColorAt(0, QColor(255, 250, 160));
    g.setColorAt(1, QColor(255, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(80, 20), 19, 19);
  }
  QPainterPath path;
  path.addEllipse(QRectF(6, 26, 44, 30));
  path.addEllipse(QRectF(24, 10, 46, 42));
  path.addEllipse(QRectF(52, 20, 44, 34));
  path.addEllipse(QRectF(70, 32, 34, 24));
  path.addRoundedRect(QRectF(14, 36, 84, 22), 10, 10);
  QLinearGradient g(0, 8, 0, 60);
  g.setColorAt(0, body);
  g.setColorAt(1, shade);
  p.setPen(QPen(shade.darker(120), 1.2));
  p.setBrush(g);
  p.drawPath(path.simplified());
  return pm;
}

}  // namespace

// ---- WordTris ----

TWTrisEvent::TWTrisEvent(const std::string& eventLine)
    : TCustomGameEvent(eventLine),
      active_(GameArt("TrisActive", BeamPicture(QColor(90, 160, 255), QColor(20, 70, 170)))),
      inactive_(GameArt("TrisInactive", BeamPicture(QColor(205, 205, 205), QColor(160, 160, 160)))),
      wall_(GameArt("TrisWall", QPixmap())),
      floor_(GameArt("TrisFloor", QPixmap())),
      leftBlock_(GameArt("TrisBlockLeft", QPixmap())),
      rightBlock_(GameArt("TrisBlockRight", QPixmap())) {}

std::unique_ptr<GameModel> TWTrisEvent::MakeModel(uint32_t seed) {
  return std::make_unique<WordTrisGame>(seed);
}

QRect TWTrisEvent::ChangedArea() const {
  return QRect(kBoxLeft - 12, 0, kRowWidth + 24, Buffer().height());
}

std::vector<int> TWTrisEvent::InstructionTexts() const {
  return {kStrTrisInstr1, kStrTrisInstr2, kStrTrisInstr3};
}

int TWTrisEvent::MissedCount() const {
  auto* self = const_cast<TWTrisEvent*>(this);
  return self->Model() ? static_cast<int>(self->Game().Missed.size()) : 0;
}

void TWTrisEvent::PaintBackground(QPainter& p, const QSize& size) const {
  QLinearGradient bg(0, 0, 0, size.height());
  bg.setColorAt(0, QColor(34, 49, 63));
  bg.setColorAt(1, QColor(20, 28, 38));
  p.fillRect(QRect(QPoint(0, 0), size), bg);
  p.setRenderHint(QPainter::Antialiasing);
  const int boxBottom = kBoxTop + WordTrisGame::kRows * kRowHeight;
  // Walls and floor.
  const int wallHeight = boxBottom - kBoxTop + 4;
  if (!wall_.isNull()) {
    p.drawPixmap(QRect(kBoxLeft - 12, kBoxTop - 4, 12, wallHeight), wall_);
    p.drawPixmap(QRect(kBoxLeft + kRowWidth, kBoxTop - 4, 12, wallHeight), wall_);
  } else {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 110, 124));
    p.drawRect(kBoxLeft - 12, kBoxTop - 4, 12, wallHeight);
    p.drawRect(kBoxLeft + kRowWidth, kBoxTop - 4, 12, wallHeight);
  }
  const QRect floor(kBoxLeft - 12, boxBottom, kRowWidth + 24, 14);
  if (!floor_.isNull())
    p.drawPixmap(floor, floor_);
  else
    p.fillRect(floor, QColor(130, 144, 158));
  // Blocks either side, for the look of a machine.
  for (int i = 0; i < 3; ++i) {
    const QRect left(kBoxLeft - 130, kBoxTop + 70 + i * 80, 86, 60);
    const QRect right(kBoxLeft + kRowWidth + 44, kBoxTop + 30 + i * 80, 86, 60);
    if (!leftBlock_.isNull() && !rightBlock_.isNull()) {
      p.drawPixmap(left, leftBlock_);
      p.drawPixmap(right, rightBlock_);
    } else {
      DrawBeam(p, left, QColor(70, 90, 110), QColor(40, 55, 70));
      DrawBeam(p, right, QColor(70, 90, 110), QColor(40, 55, 70));
    }
  }
}

void TWTrisEvent::Paint(QPainter& p) {
  const WordTrisGame& g = Game();
  const QSize size = Buffer().size();
  // The machine around the box does not change: it is drawn once.
  if (background_.size() != size) {
    background_ = QImage(size, QImage::Format_RGB32);
    QPainter bp(&background_);
    PaintBackground(bp, size);
  }
  // Only the box and the word display below it change.
  const QRect changed = FreshBuffer() ? QRect(QPoint(0, 0), size) : ChangedArea();
  p.drawImage(changed.topLeft(), background_, changed);
  p.setRenderHint(QPainter::Antialiasing);
  const int boxBottom = kBoxTop + WordTrisGame::kRows * kRowHeight;
  p.setFont(BeamFont());
  const QFontMetrics fm = p.fontMetrics();
  const QString prompt = ToQString(WordTrisGame::Prompt());
  for (int k = 1; k <= WordTrisGame::kRows; ++k) {
    const QRect r(kBoxLeft, kBoxTop + (k - 1) * kRowHeight, kRowWidth, kRowHeight);
    const int baseline = r.top() + 3 + fm.ascent();
    const QString text = ToQString(g.RowText(k));
    if (k == g.BeamRow && g.State() != kGameNotStarted) {
      p.drawPixmap(r, active_);
      const bool isPrompt = text == prompt;
      const int typed = std::clamp(g.TypedPos - 1, 0, static_cast<int>(text.size()));
      DrawTwoPart(p, r.left() + 18, baseline, text.left(typed),
                  isPrompt ? QColor(Qt::white) : QColor(255, 60, 60), text.mid(typed, 150),
                  Qt::white);
    } else if (!text.isEmpty()) {
      p.drawPixmap(r, inactive_);
      p.setPen(QColor(128, 128, 128));
      p.drawText(r.left() + 18, baseline, text);
    } else {
      p.fillRect(r, Qt::white);
      p.setPen(QColor(232, 236, 240));
      p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    }
  }
  // The word display below the box.
  const QRect lcd(kBoxLeft + 10, boxBottom + 16, 200, 30);
  p.setPen(QPen(QColor(80, 80, 80), 2));
  p.setBrush(Qt::black);
  p.drawRoundedRect(lcd, 4, 4);
  const QString word = ToQString(g.ShownWord);
  const int typed = std::clamp(g.ShownTyped, 0, static_cast<int>(word.size()));
  p.setFont(PixelFont("Times New Roman", 20, true));
  const QFontMetrics lm = p.fontMetrics();
  const int x = lcd.center().x() - lm.horizontalAdvance(word) / 2;
  DrawTwoPart(p, x, lcd.top() + 4 + lm.ascent(), word.left(typed), QColor(255, 255, 0),
              word.mid(typed), QColor(0, 255, 0));
}

// ---- Bubbles ----

TBubbles::TBubbles(const std::string& eventLine) : TCustomGameEvent(eventLine) {}

std::unique_ptr<GameModel> TBubbles::MakeModel(uint32_t seed) {
  return std::make_unique<BubblesGame>(KeyString, GetHost().Now(), seed);
}

std::vector<int> TBubbles::InstructionTexts() const {
  return {kStrBubblesInstr1, kStrBubblesInstr2, kStrBubblesInstr3};
}

int TBubbles::MissedCount() const {
  auto* self = const_cast<TBubbles*>(this);
  return self->Model() ? self->Game().MissedCount : 0;
}

void TBubbles::Paint(QPainter& p) {
  const BubblesGame& g = Game();
  p.fillRect(0, 0, Buffer().width(), Buffer().height(), QColor(119, 153, 255));
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  for (const Bubble& d : g.Decorations) {
    if (!d.Alive) continue;
    p.setPen(d.Size < 6 ? QColor(0, 0, 255) : QColor(0, 0, 128));
    p.drawEllipse(QRect(d.X, d.Y, d.Size, d.Size));
  }
  p.setFont(PixelFont("Times New Roman", 21, true));
  for (const Bubble& b : g.Columns) {
    if (!b.Alive) continue;
    QColor fill(192, 220, 192), outline(128, 128, 128), text(Qt::black);
    if (b.Kind == 3) fill = outline = QColor(128, 0, 0), text = Qt::white;
    if (b.Kind == 2) fill = outline = QColor(0, 0, 128), text = Qt::white;
    QRect r(b.X + 1, b.Y, b.Size, b.Size);
    if (b.Phase == 1) r.adjust(1, -1, -1, 1);
    if (b.Phase == 3) r.adjust(-1, 1, 1, -1);
    p.setPen(QPen(outline, 1.5));
    p.setBrush(fill);
    p.drawEllipse(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QRect(r.left() + b.Size / 5, r.top() + b.Size / 7, b.Size / 4, b.Size / 6));
    p.setPen(text);
    p.drawText(QRect(b.X, b.Y, b.Size, b.Size), Qt::AlignCenter, ToQString(std::string(1, b.Char)));
  }
}

// ---- Clouds ----

TCloudGame::TCloudGame(const std::string& eventLine)
    : TCustomGameEvent(eventLine),
      storm_(Fields().Count() >= 5 && SameText(Fields().Field(4), "TRUE")),
      wordFont_(PixelFont("Arial", 19)) {
  pictures_[kCloudWhite] =
      GameArt("WhiteCloud", DrawCloudPicture(Qt::white, QColor(215, 225, 235), false));
  pictures_[kCloudGray] =
      GameArt("GrayCloud", DrawCloudPicture(QColor(200, 200, 205), QColor(150, 150, 160), false));
  pictures_[kCloudDark] =
      GameArt("DarkCloud", DrawCloudPicture(QColor(110, 110, 125), QColor(60, 60, 75), false));
  pictures_[kCloudSunny] =
      GameArt("BonusCloud", DrawCloudPicture(Qt::white, QColor(235, 235, 210), true));
}

std::unique_ptr<GameModel> TCloudGame::MakeModel(uint32_t seed) {
  CloudLook look;
  for (std::size_t i = 0; i < pictures_.size(); ++i) {
    look.PictureWidth[i] = pictures_[i].width();
    look.PictureHeight[i] = pictures_[i].height();
  }
  look.Font = &wordFont_;
  return std::make_unique<CloudsGame>(storm_, look, seed,
                                      Buffer().isNull() ? kGameSurfaceWidth : Buffer().width());
}

std::vector<int> TCloudGame::InstructionTexts() const {
  return {kStrCloudsInstr1, kStrCloudsInstr2, kStrCloudsInstr3, kStrCloudsInstr4};
}

int TCloudGame::MissedCount() const {
  auto* self = const_cast<TCloudGame*>(this);
  return self->Model() ? self->Game().MissedCount : 0;
}

void TCloudGame::Paint(QPainter& p) {
  const CloudsGame& g = Game();
  p.fillRect(0, 0, Buffer().width(), Buffer().height(), QColor(0, 128, 255));
  p.setRenderHint(QPainter::Antialiasing);
  p.setFont(wordFont_.Font());
  const QFontMetrics fm(wordFont_.Font());
  for (std::size_t i = 0; i < g.Clouds.size(); ++i) {
    const Cloud& c = g.Clouds[i];
    const int w = c.Width(g.Look);
    const QPixmap& pic = pictures_[static_cast<std::size_t>(c.Picture())];
    const int px = c.X + (w - pic.width()) / 2;
    p.drawPixmap(px, c.Y, pic);
    if (static_cast<int>(i) == g.Current) {
      p.setPen(QPen(QColor(255, 255, 0), 2));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(QRect(px - 3, c.Y - 3, pic.width() + 6, pic.height() + 6), 5, 5);
    }
    if (c.Stage() == 3 && !c.Word.empty()) {
      const QString word = ToQString(c.Word);
      const int typed = std::clamp(c.TypedPos - 1, 0, static_cast<int>(word.size()));
      const int x = c.X + (w - fm.horizontalAdvance(word)) / 2;
      DrawTwoPart(p, x, c.Y + pic.height() + 2 + fm.ascent(), word.left(typed), Qt::red,
                  word.mid(typed), Qt::white);
    }
  }
}

}  // namespace tq
