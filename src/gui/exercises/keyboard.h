#pragma once
// TKeyboard: the picture of the student's keyboard on the drill pages. It
// paints the keys of a TKeyDataExt with their marks (lit green, crossed out,
// pressed, learned labels black); the rules for which keys carry which mark
// are the layout's (core/exercises/key_data_ext.h), and this control only
// repaints the keys whose marks changed, so lighting the next key costs the
// area of two or three keys, not the whole keyboard.
//
// The control has no background of its own: like a picture drawn on the
// page, what lies under it shows between the keys. Hidden keys (a numeric
// pad drawn over the right of the keyboard) are painted only while lit,
// over the ordinary keys; when they go out, the keys under them come back.

#include <QFont>
#include <QPixmap>
#include <QWidget>
#include <string>
#include <string_view>

#include "core/exercises/key_data_ext.h"

namespace tq {

// Colours of the key faces, as 0xRRGGBB.
inline constexpr unsigned kLitFaceColor = 0x00BF00;
inline constexpr unsigned kLitBevelColor = 0x80FF80;
inline constexpr unsigned kLitShadowColor = 0x008000;
inline constexpr unsigned kDarkFaceColor = 0xC0C0C0;
inline constexpr unsigned kShadowOutlineColor = 0x808080;
inline constexpr unsigned kLightShadowColor = 0xC0C0C0;
inline constexpr unsigned kWrongStrokeColor = 0x800000;
// The face of ordinary keys when there is no KeyFace picture.
inline constexpr unsigned kPlainFaceColor = 0xE4E4E0;

class TKeyboard : public QWidget {
 public:
  // Shows KeyData (the program's layout when null) and clears its marks;
  // the face texture is the KeyFace picture of the program directory.
  explicit TKeyboard(QWidget* parent, TKeyDataExt* KeyData = nullptr);

  TKeyDataExt& KeyData() const { return *keyData_; }
  // The picture the faces of ordinary keys are filled with; a null pixmap
  // fills them with kPlainFaceColor.
  void SetFaceTexture(const QPixmap& texture);
  const QPixmap& FaceTexture() const { return faceTexture_; }
  // The character whose key is drawn pressed (empty when none).
  const std::string& PressedChar() const { return pressedChar_; }

  // Clears all marks, crosses out the keys of WrongOnes and lights the keys
  // of Next (each with the modifier it needs).
  void ShowKeys(std::string_view Next, std::string_view WrongOnes);
  void ClearMarks();
  void SetLearnedKeys(std::string_view Text);
  void SetAllLearned();
  // The key typing Ch is drawn pressed, the one before is released.
  void PressKey(char Ch);

  // A free-standing key picture Width x Height with Caption as its label,
  // learned; State 1 lit, 2 crossed out, anything else plain. Null when the
  // size is empty.
  QPixmap KeyImage(const std::string& Caption, int Height, int State, int Width) const;

  // The layout was loaded anew (its keys are new objects): take the new
  // size and paint everything.
  void LayoutChanged();
  // Draws the keyboard smaller (a scale below 1) so that it fits a narrow
  // place; 1 draws every key at the size the layout gives it.
  void SetScale(double scale);
  double Scale() const { return scale_; }
  // The scale at which the whole keyboard fits into the size (at most 1).
  double ScaleToFit(const QSize& size) const;

  // The area a key may cover: its rectangle and one pixel more to the right
  // and below, where it goes when pressed.
  static QRect KeyArea(const TKeyInfoExt& key);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Fonts {
    QFont label;
    QFont smallLabel;
    QFont corner;
  };
  void UpdateKeys(const std::vector<TKeyInfoExt*>& keys);
  // A key's area as drawn at the scale.
  QRect ScaledArea(const TKeyInfoExt& key) const;
  QSize NaturalSize() const;
  void PaintKey(QPainter& p, const TKeyInfoExt& key) const;
  void TakeFonts();

  TKeyDataExt* keyData_;
  QPixmap faceTexture_;
  std::string pressedChar_;
  Fonts fonts_;
  double scale_ = 1.0;
};

}  // namespace tq
