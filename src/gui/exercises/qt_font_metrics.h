#pragma once
// The font of an exercise text display, measured with Qt: the widths the
// word layout works with are the widths the display draws. Kerning and
// ligatures are off, as with plain screen text output, so a word measures
// the sum of its parts; the displays rely on that when they draw the current
// character apart from the rest of its word.

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <array>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/exercises/exercise_canvas.h"
#include "core/exercises/font_metrics.h"

namespace tq {

class QtFontMetrics : public FontMetrics {
 public:
  QtFontMetrics();
  explicit QtFontMetrics(const QFont& font);

  // The font the display draws with (already scaled for the screen).
  void SetFont(const QFont& font);
  const QFont& Font() const { return font_; }
  // The same font underlined, for the current character.
  const QFont& UnderlinedFont() const { return underlined_; }

  int TextWidth(std::string_view text) const override;
  int FontHeight() const override { return height_; }
  // Distance from the top of a text cell to its baseline, and the cell's height.
  int Ascent() const { return ascent_; }
  int CellHeight() const { return cellHeight_; }

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };

  QFont font_;
  QFont underlined_;
  QFontMetrics qt_;
  int height_ = 0;
  int ascent_ = 0;
  int cellHeight_ = 0;
  // Words come back again and again (the layout measures each several
  // times); their widths are kept until the font changes.
  mutable std::array<int, 256> charWidths_{};
  mutable std::unordered_map<std::string, int, Hash, std::equal_to<>> widths_;
};

// A font of n points is drawn at n / (pixels per inch / 96) points, rounded,
// so that text keeps its pixel size on screens of higher resolution. The
// result has its pixel size set: that many points at pixelsPerInch, the way
// the screen turns points into pixels. A font given in pixels stays as it is.
QFont DisplayFont(const QFont& font, int pixelsPerInch);

// The Unicode text of Windows-1252 bytes.
QString AnsiText(std::string_view text);
// A $00BBGGRR colour.
inline QColor ToQColor(TColor c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}
inline TColor ToTColor(const QColor& c) {
  return static_cast<TColor>(c.red()) | static_cast<TColor>(c.green()) << 8 |
         static_cast<TColor>(c.blue()) << 16;
}

}  // namespace tq
