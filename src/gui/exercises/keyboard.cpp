#include "gui/exercises/keyboard.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPolygon>
#include <QRectF>
#include <QSizeF>
#include <algorithm>

#include "core/files/ansi.h"
#include "gui/exercises/exercise_art.h"
#include "gui/shell/qt_text.h"

namespace tq {

namespace {

QColor Rgb(unsigned rgb) {
  return QColor::fromRgb(rgb);
}

QFont LabelFont(int pixels) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels > 0 ? pixels : 1);
  font.setBold(true);
  return font;
}

// Text whose cell starts at (x, y), as a label is placed on a key.
void DrawLabel(QPainter& p, int x, int y, const QString& text) {
  p.drawText(QPoint(x, y + p.fontMetrics().ascent()), text);
}

}  // namespace

TKeyboard::TKeyboard(QWidget* parent, TKeyDataExt* KeyData)
    : QWidget(parent),
      keyData_(KeyData ? KeyData : &tq::KeyData()),
      faceTexture_(KeyFacePicture()) {
  keyData_->ClearMarks();
  TakeFonts();
  resize(sizeHint());
}

void TKeyboard::TakeFonts() {
  fonts_.label = LabelFont(keyData_->LabelHeight);
  fonts_.smallLabel = LabelFont(keyData_->SmallLabelHeight);
  fonts_.corner = LabelFont(keyData_->CornerLabelHeight);
}

void TKeyboard::SetFaceTexture(const QPixmap& texture) {
  faceTexture_ = texture;
  update();
}

QRect TKeyboard::KeyArea(const TKeyInfoExt& key) {
  return {key.X, key.Y, key.Width + 1, key.Height + 1};
}

QSize TKeyboard::NaturalSize() const {
  QRect all;
  for (const auto& key : keyData_->Keys) all |= KeyArea(*key);
  return all.isEmpty() ? QSize(0, 0) : QSize(all.right() + 1, all.bottom() + 1);
}

QSize TKeyboard::sizeHint() const {
  const QSize natural = NaturalSize();
  if (scale_ == 1.0) return natural;
  return QSizeF(natural.width() * scale_, natural.height() * scale_).toSize();
}

QRect TKeyboard::ScaledArea(const TKeyInfoExt& key) const {
  const QRect area = KeyArea(key);
  if (scale_ == 1.0) return area;
  // Smoothed edges reach one pixel further.
  return QRectF(area.x() * scale_, area.y() * scale_, area.width() * scale_, area.height() * scale_)
      .toAlignedRect()
      .adjusted(-1, -1, 1, 1);
}

void TKeyboard::SetScale(double scale) {
  scale_ = scale > 0 && scale < 1.0 ? scale : 1.0;
  resize(sizeHint());
  updateGeometry();
  update();
}

double TKeyboard::ScaleToFit(const QSize& size) const {
  const QSize natural = NaturalSize();
  if (natural.isEmpty()) return 1.0;
  return std::min({1.0, static_cast<double>(size.width()) / natural.width(),
                   static_cast<double>(size.height()) / natural.height()});
}

void TKeyboard::UpdateKeys(const std::vector<TKeyInfoExt*>& keys) {
  for (const TKeyInfoExt* key : keys) update(ScaledArea(*key));
}

void TKeyboard::ShowKeys(std::string_view Next, std::string_view WrongOnes) {
  UpdateKeys(keyData_->ShowKeys(Next, WrongOnes));
}

void TKeyboard::ClearMarks() {
  UpdateKeys(keyData_->ClearMarks());
}

void TKeyboard::SetLearnedKeys(std::string_view Text) {
  keyData_->SetLearnedKeys(Text);
  update();
}

void TKeyboard::SetAllLearned() {
  keyData_->SetAllLearned();
  update();
}

void TKeyboard::PressKey(char Ch) {
  pressedChar_.assign(1, Ch);
  UpdateKeys(keyData_->PressKey(Ch));
}

void TKeyboard::LayoutChanged() {
  pressedChar_.clear();
  TakeFonts();
  resize(sizeHint());
  updateGeometry();
  update();
}

QPixmap TKeyboard::KeyImage(const std::string& Caption, int Height, int State, int Width) const {
  if (Width <= 0 || Height <= 0) return {};
  TKeyInfoExt key;
  key.Labels[0] = Caption;
  key.Width = Width;
  key.Height = Height;
  key.Learned = true;
  key.Lit = State == 1;
  key.Wrong = State == 2;
  QPixmap picture(Width, Height);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  PaintKey(p, key);
  return picture;
}

void TKeyboard::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const QRegion& region = event->region();
  if (scale_ != 1.0) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale_, scale_);
  }
  // Ordinary keys first, then the lit hidden keys over them.
  for (bool hiddenPass : {false, true}) {
    for (const auto& key : keyData_->Keys) {
      if (key->Hidden != hiddenPass || (key->Hidden && !key->Lit)) continue;
      if (!region.intersects(ScaledArea(*key))) continue;
      p.save();
      const int shift = key->Pressed ? 1 : 0;
      p.translate(key->X + shift, key->Y + shift);
      p.setClipRect(QRect(0, 0, key->Width, key->Height), Qt::IntersectClip);
      PaintKey(p, *key);
      p.restore();
    }
  }
}

// One key in its own rectangle (0, 0, Width, Height).
void TKeyboard::PaintKey(QPainter& p, const TKeyInfoExt& key) const {
  const int w = key.Width;
  const int h = key.Height;
  p.setRenderHint(QPainter::Antialiasing, false);

  // Face with its outline, then the light bevels left and top.
  QBrush face = faceTexture_.isNull() ? QBrush(Rgb(kPlainFaceColor)) : QBrush(faceTexture_);
  if (key.Lit)
    face = Rgb(kLitFaceColor);
  else if (key.Dark)
    face = Rgb(kDarkFaceColor);
  p.fillRect(0, 0, w, h, face);
  p.setPen(Qt::black);
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, w - 1, h - 1);
  QBrush bevel(Qt::white);
  if (key.Lit)
    bevel = Rgb(kLitBevelColor);
  else if (key.Dark)
    bevel = faceTexture_.isNull() ? QBrush(Rgb(kPlainFaceColor)) : QBrush(faceTexture_);
  p.fillRect(1, 1, 5, h - 2, bevel);
  p.fillRect(1, 1, w - 2, 3, bevel);

  // The shadow along the right and the bottom.
  const QPolygon shadow({QPoint(w - 2, 1), QPoint(w - 5, 3), QPoint(w - 5, h - 7), QPoint(5, h - 7),
                         QPoint(1, h - 2), QPoint(w - 2, h - 2)});
  QColor shadowFill = Rgb(kShadowOutlineColor);
  if (key.Lit)
    shadowFill = Rgb(kLitShadowColor);
  else if (!key.Dark)
    shadowFill = Rgb(kLightShadowColor);
  p.setPen(Rgb(kShadowOutlineColor));
  p.setBrush(shadowFill);
  p.drawPolygon(shadow);

  // The ridge of a home key.
  if (key.Nib) {
    const int length = static_cast<int>(RoundEven(w * 0.15));
    const int x = (w - length) / 2;
    const int y = static_cast<int>(RoundEven(h * 0.65));
    if (length > 0) {
      p.setPen(Qt::white);
      p.drawLine(x, y, x + length - 1, y);
      p.setPen(Rgb(kLightShadowColor));
      p.drawLine(x + 1, y + 1, x + length, y + 1);
    }
  }

  // Labels: black once learned, else grey.
  QColor ink = Qt::black;
  if (!key.Learned && !key.AlwaysBlack) ink = Rgb(key.Dark ? 0x808080 : 0xC0C0C0);
  p.setPen(ink);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  const std::string c0 = TKeyDataExt::KeyCaption(key, 0);
  const std::string c1 = TKeyDataExt::KeyCaption(key, 1);
  if (!c0.empty() && !c1.empty() && c1 != AnsiUpperCase(c0.substr(0, 1))) {
    // Two characters on one key (a digit and a symbol): the shifted one
    // above, the plain one below.
    p.setFont(fonts_.corner);
    DrawLabel(p, 7, 3, ToQString(c1));
    p.setFont(c0 == "," || c0 == "." ? fonts_.label : fonts_.corner);
    DrawLabel(p, 7, h - p.fontMetrics().height() - 8, ToQString(c0));
  } else if (!c0.empty()) {
    p.setFont(key.SmallLabel ? fonts_.smallLabel : fonts_.label);
    // Letter keys show capitals.
    DrawLabel(p, 6, 3, ToQString(c0.size() == 1 && !c1.empty() ? AnsiUpperCase(c0) : c0));
  }

  if (key.Wrong && !key.Lit) {
    p.setPen(QPen(Rgb(kWrongStrokeColor), 2));
    p.drawLine(5, h - 7, w - 5, 3);
  }
}

}  // namespace tq
