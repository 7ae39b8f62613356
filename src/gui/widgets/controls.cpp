#include "gui/widgets/controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <cstdlib>

#include "core/shell/strings.h"
#include "gui/shell/qt_text.h"
#include "gui/widgets/pictures.h"

namespace tq {

void SetControlCursor(QWidget* control, int cursor) {
  if (!control) return;
  if (cursor == kCursorHand)
    control->setCursor(Qt::PointingHandCursor);
  else
    control->unsetCursor();
}

int ControlCursor(const QWidget* control) {
  return control && control->testAttribute(Qt::WA_SetCursor) &&
                 control->cursor().shape() == Qt::PointingHandCursor
             ? kCursorHand
             : kCursorDefault;
}

TImage::TImage(QWidget* parent, const char* name) : QWidget(parent) {
  if (name) setObjectName(QString::fromLatin1(name));
  setAttribute(Qt::WA_TranslucentBackground);
}

bool TImage::LoadFromFile(const QString& path, bool mayReduce) {
  QImage image = ReadPicture(path);
  if (image.isNull()) return false;
  QImage reduced = mayReduce ? ReducedIfSoft(image) : QImage();
  if (!reduced.isNull()) {
    SetPicture(QPixmap::fromImage(std::move(reduced)));
    drawSize_ = image.size();
  } else {
    SetPicture(QPixmap::fromImage(std::move(image)));
  }
  return true;
}

QImage ReducedIfSoft(const QImage& image) {
  // Only worth it for large pictures; each side must stay a few pixels.
  constexpr int kFactor = 4;
  constexpr int kMaxDifference = 3;  // per colour channel, out of 255
  if (image.width() * image.height() < 256 * 256) return {};
  const QImage full = image.convertToFormat(QImage::Format_ARGB32);
  QImage small = full.scaled(full.width() / kFactor, full.height() / kFactor, Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
  const QImage back = small.scaled(full.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                          .convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < full.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(full.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(back.constScanLine(y));
    for (int x = 0; x < full.width(); ++x) {
      if (std::abs(qRed(a[x]) - qRed(b[x])) > kMaxDifference ||
          std::abs(qGreen(a[x]) - qGreen(b[x])) > kMaxDifference ||
          std::abs(qBlue(a[x]) - qBlue(b[x])) > kMaxDifference ||
          std::abs(qAlpha(a[x]) - qAlpha(b[x])) > kMaxDifference)
        return {};
    }
  }
  return small;
}

void TImage::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  drawSize_ = QSize();
  update();
}

void TImage::ClearPicture() {
  picture_ = QPixmap();
  drawSize_ = QSize();
  update();
}

void TImage::SetPainter(Painter painter) {
  painter_ = std::move(painter);
  update();
}

void TImage::SetStretch(bool stretch) {
  stretch_ = stretch;
  update();
}

void TImage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!picture_.isNull()) {
    if (!drawSize_.isEmpty()) p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch_)
      p.drawPixmap(rect(), picture_);
    else if (!drawSize_.isEmpty())
      p.drawPixmap(QRect(QPoint(0, 0), drawSize_), picture_);
    else
      p.drawPixmap(0, 0, picture_);
  } else if (painter_) {
    p.setRenderHint(QPainter::Antialiasing);
    painter_(p, rect());
  }
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
      OnClick) {
    ClickHandler handler = OnClick;  // the handler may replace itself
    handler(this);
  }
}

TLabel::TLabel(QWidget* parent, const char* name) : QWidget(parent) {
  if (name) setObjectName(QString::fromLatin1(name));
  setAttribute(Qt::WA_TranslucentBackground);
}

void TLabel::SetCaption(const QString& caption) {
  caption_ = caption;
  AdjustSize();
  update();
}

void TLabel::SetFontColor(const QColor& color) {
  color_ = color;
  update();
}

void TLabel::SetLabelFont(const QFont& f) {
  setFont(f);
  fullFont_ = f;
  AdjustSize();
  update();
}

void TLabel::SetAlignment(Qt::Alignment alignment) {
  alignment_ = alignment;
  update();
}

void TLabel::SetWordWrap(bool wrap) {
  wordWrap_ = wrap;
  update();
}

void TLabel::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  AdjustSize();
}

void TLabel::SetMaxWidth(int width) {
  if (maxWidth_ == 0) fullFont_ = font();
  maxWidth_ = std::max(width, 0);
  if (maxWidth_ == 0) setFont(fullFont_);
  AdjustSize();
  update();
}

QString TLabel::Fitted() {
  baselineDrop_ = 0;
  shown_.clear();
  if (maxWidth_ <= 0) return caption_;
  QFont f = fullFont_;
  const int full = fullFont_.pixelSize();
  const QFontMetrics fullMetrics(fullFont_);
  auto width = [&](const QFont& font) {
    return QFontMetrics(font)
        .boundingRect(QRect(0, 0, 4000, 4000), Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic,
                      caption_)
        .width();
  };
  if (full > 0)
    for (int size = full; size >= full * 2 / 3; --size) {
      f.setPixelSize(size);
      if (width(f) <= maxWidth_) break;
    }
  setFont(f);
  baselineDrop_ = fullMetrics.ascent() - fontMetrics().ascent();
  if (width(f) <= maxWidth_) return caption_;
  shown_ = fontMetrics().elidedText(caption_, Qt::ElideRight, maxWidth_, Qt::TextShowMnemonic);
  return shown_;
}

void TLabel::SetTransparent(bool transparent) {
  transparent_ = transparent;
  setAttribute(Qt::WA_TranslucentBackground, transparent);
  update();
}

void TLabel::SetShadow(bool shadow) {
  shadow_ = shadow;
  update();
}

void TLabel::SetBackground(const QColor& color) {
  background_ = color;
  update();
}

int TLabel::TextFlags() const {
  return static_cast<int>(alignment_) | Qt::TextShowMnemonic | (wordWrap_ ? Qt::TextWordWrap : 0);
}

void TLabel::AdjustSize() {
  if (!autoSize_ || wordWrap_) return;
  if (!isVisible()) {
    sizeDirty_ = true;
    return;
  }
  sizeDirty_ = false;
  const QString text = Fitted();
  QRect r = fontMetrics().boundingRect(
      QRect(0, 0, 4000, 4000), TextFlags() & ~Qt::AlignCenter & ~Qt::AlignRight & ~Qt::AlignBottom,
      text);
  resize(std::max(r.width(), 1), std::max(r.height(), fontMetrics().height()) + baselineDrop_);
}

void TLabel::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (sizeDirty_) AdjustSize();
}

void TLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!transparent_) p.fillRect(rect(), background_);
  const QString& text = shown_.isEmpty() ? caption_ : shown_;
  const QRect area = rect().adjusted(0, baselineDrop_, 0, 0);
  if (shadow_) {
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(area.translated(1, 1), TextFlags(), text);
  }
  p.setPen(color_);
  p.drawText(area, TextFlags(), text);
}

void TLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
      OnClick) {
    ClickHandler handler = OnClick;
    handler(this);
  }
}

TPanel::TPanel(QWidget* parent, const char* name) : QWidget(parent) {
  if (name) setObjectName(QString::fromLatin1(name));
  SetColor(Qt::white);
}

void TPanel::SetColor(const QColor& color) {
  QPalette pal = palette();
  pal.setColor(QPalette::Window, color);
  setPalette(pal);
  setAutoFillBackground(true);
}

void TPanel::SetTransparent() {
  setAutoFillBackground(false);
}

QFont PixelFont(const char* family, int pixels, bool bold) {
  QFont f(QString::fromLatin1(family));
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

QFont PointFont(const char* family, int points, bool bold) {
  QFont f(QString::fromLatin1(family));
  f.setPointSize(points);
  f.setBold(bold);
  return f;
}

TLabel* MakeLabel(QWidget* parent, const char* name, QPoint at, const QFont& font,
                  const QColor& color, int text) {
  auto* label = new TLabel(parent, name);
  label->SetLabelFont(font);
  label->SetFontColor(color);
  if (text) label->SetCaption(ToQString(Str(text)));
  label->move(at);
  return label;
}

TLabel* MakeLabel(QWidget* parent, const char* name, QRect box, const QFont& font,
                  const QColor& color, int flags, int text) {
  TLabel* label = MakeLabel(parent, name, box.topLeft(), font, color, text);
  label->SetAutoSize(false);
  label->SetWordWrap((flags & Qt::TextWordWrap) != 0);
  label->SetAlignment(Qt::Alignment(flags & ~Qt::TextWordWrap));
  label->setGeometry(box);
  return label;
}

QRadioButton* MakeRadio(QWidget* parent, const char* name, QRect box, int text) {
  auto* radio = new QRadioButton(ToQString(Str(text)), parent);
  radio->setObjectName(QString::fromLatin1(name));
  radio->setFont(PixelFont("Arial", 14));
  radio->setGeometry(box);
  return radio;
}

}  // namespace tq
