#pragma once
// How wide a text is and how high a line is in the font of an exercise
// display. The layout of the displays depends on nothing else about the font:
// the GUI answers with the real font, tests and benchmarks with fixed widths.

#include <array>
#include <string_view>

#include "core/files/ansi.h"

namespace tq {

class FontMetrics {
 public:
  virtual ~FontMetrics() = default;
  // Width in pixels of a Windows-1252 text drawn in the font.
  virtual int TextWidth(std::string_view text) const = 0;
  // The font's height in pixels (the absolute value of a negative font height).
  virtual int FontHeight() const = 0;
};

// Fixed widths per character: every byte has its own width, 'charWidth'
// unless set otherwise.
class FixedFontMetrics : public FontMetrics {
 public:
  explicit FixedFontMetrics(int charWidth = 10, int height = 16) : height_(height) {
    widths_.fill(charWidth);
  }
  void SetWidth(unsigned char c, int width) { widths_[c] = width; }
  void SetHeight(int height) { height_ = height; }
  int TextWidth(std::string_view text) const override {
    int w = 0;
    for (char c : text) w += widths_[static_cast<unsigned char>(c)];
    return w;
  }
  int FontHeight() const override { return height_; }

 private:
  std::array<int, 256> widths_{};
  int height_;
};

// The point size a display font is drawn at so that text keeps its pixel
// size on screens of higher resolution: 13 points at 120 pixels per inch are
// drawn at 10. Halves go to the even neighbour.
inline int ScaledPointSize(int points, int pixelsPerInch) {
  if (pixelsPerInch <= 0) return points;
  return static_cast<int>(RoundEven(points / (pixelsPerInch / 96.0)));
}

}  // namespace tq
