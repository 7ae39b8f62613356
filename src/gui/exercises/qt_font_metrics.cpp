#include "gui/exercises/qt_font_metrics.h"

#include <QFontInfo>
#include <algorithm>

#include "core/files/ansi.h"

namespace tq {
namespace {

constexpr std::size_t kMaxCachedWidths = 8192;

QFont PlainTextFont(QFont font) {
  font.setKerning(false);
  // No shaping for Latin text: no ligatures, no kerning, and the advances
  // add up.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

}  // namespace

QString AnsiText(std::string_view text) {
  QString s;
  s.reserve(static_cast<qsizetype>(text.size()));
  for (char c : text)
    s.append(QChar(static_cast<char16_t>(AnsiToUnicode(static_cast<unsigned char>(c)))));
  return s;
}

QFont DisplayFont(const QFont& font, int pixelsPerInch) {
  QFont scaled = font;
  if (font.pixelSize() <= 0 && pixelsPerInch > 0) {
    const int points = ScaledPointSize(font.pointSize(), pixelsPerInch);
    // Points to pixels the way the screen does it, halves away from zero.
    scaled.setPixelSize(std::max(1, (points * pixelsPerInch + 36) / 72));
  }
  return scaled;
}

QtFontMetrics::QtFontMetrics() : QtFontMetrics(QFont()) {}

QtFontMetrics::QtFontMetrics(const QFont& font) : qt_(font) {
  SetFont(font);
}

void QtFontMetrics::SetFont(const QFont& font) {
  font_ = PlainTextFont(font);
  underlined_ = font_;
  underlined_.setUnderline(true);
  qt_ = QFontMetrics(font_);
  height_ = font_.pixelSize() > 0 ? font_.pixelSize() : QFontInfo(font_).pixelSize();
  ascent_ = qt_.ascent();
  cellHeight_ = qt_.ascent() + qt_.descent();
  charWidths_.fill(-1);
  widths_.clear();
}

int QtFontMetrics::TextWidth(std::string_view text) const {
  if (text.empty()) return 0;
  if (text.size() == 1) {
    int& w = charWidths_[static_cast<unsigned char>(text[0])];
    if (w < 0) w = qt_.horizontalAdvance(AnsiText(text));
    return w;
  }
  if (auto it = widths_.find(text); it != widths_.end()) return it->second;
  if (widths_.size() >= kMaxCachedWidths) widths_.clear();
  const int w = qt_.horizontalAdvance(AnsiText(text));
  widths_.emplace(std::string(text), w);
  return w;
}

}  // namespace tq
