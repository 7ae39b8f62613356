#pragma once
// The plain controls the book window and the storage forms are made of: an
// image (a picture, or a painter standing in for one), a label that draws
// its own text with "&" mnemonics, and a panel. Images and labels take a
// click handler the way the pages install and remove them.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRadioButton>
#include <QWidget>
#include <functional>
#include <vector>

namespace tq {

// Cursor numbers: 0 the default arrow, 90 the hand of every clickable
// image and label.
constexpr int kCursorDefault = 0;
constexpr int kCursorHand = 90;
void SetControlCursor(QWidget* control, int cursor);
int ControlCursor(const QWidget* control);

// The handler of a click on an image or a label; the sender is the control.
using ClickHandler = std::function<void(QWidget* sender)>;

class TImage : public QWidget {
 public:
  using Painter = std::function<void(QPainter& painter, const QRect& rect)>;

  explicit TImage(QWidget* parent, const char* name = nullptr);

  // A picture file, its format recognised by content whatever the
  // extension. False (and the picture left empty) when it cannot be read.
  // A soft picture may be kept at a quarter of its size (see below).
  bool LoadFromFile(const QString& path, bool mayReduce = false);
  void SetPicture(const QPixmap& picture);
  const QPixmap& Picture() const { return picture_; }
  // Frees the picture (the bitmap becomes 0 x 0).
  void ClearPicture();
  // Draws in place of a missing picture.
  void SetPainter(Painter painter);
  void SetStretch(bool stretch);

  ClickHandler OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  // The size the picture is drawn at when it was kept reduced.
  QSize drawSize_;
  Painter painter_;
  bool stretch_ = false;
};

// A picture without sharp detail (a gradient) kept at a quarter of its width
// and height looks the same drawn back at full size and takes a sixteenth of
// the memory. The reduced picture when that holds, otherwise a null image.
QImage ReducedIfSoft(const QImage& image);

class TLabel : public QWidget {
 public:
  explicit TLabel(QWidget* parent, const char* name = nullptr);

  // "&" marks the mnemonic letter, "&&" is an ampersand.
  void SetCaption(const QString& caption);
  const QString& Caption() const { return caption_; }
  void SetFontColor(const QColor& color);
  QColor FontColor() const { return color_; }
  void SetLabelFont(const QFont& font);
  void SetAlignment(Qt::Alignment alignment);
  void SetWordWrap(bool wrap);
  // Auto-sized labels take the size of their caption.
  void SetAutoSize(bool autoSize);
  // An auto-sized label with a room (0: none) draws a caption that would be
  // wider in a smaller font, down to two thirds of its own, on the same
  // baseline; what still does not fit is cut short with an ellipsis.
  void SetMaxWidth(int width);
  // A transparent label paints no background.
  void SetTransparent(bool transparent);
  void SetBackground(const QColor& color);
  // A soft dark shadow under the text keeps light text readable on any
  // picture.
  void SetShadow(bool shadow);

  ClickHandler OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Sizes an auto-sized label to its caption. Measuring loads the font, so
  // a label that is not visible is measured when it is shown.
  void AdjustSize();
  bool sizeDirty_ = false;
  int TextFlags() const;
  // The caption as drawn: shrunk or cut short to the room.
  QString Fitted();

  QFont fullFont_;
  int maxWidth_ = 0;
  int baselineDrop_ = 0;  // how far a smaller font moves the text down
  QString shown_;         // the caption as drawn when it was cut short

  QString caption_;
  QColor color_ = Qt::black;
  QColor background_ = Qt::white;
  Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
  bool wordWrap_ = false;
  bool autoSize_ = true;
  bool transparent_ = true;
  bool shadow_ = false;
};

// The one way the forms place a label: its object name, font and colour, and
// the string-table text numbered TEXT (0 for none). At a point it takes the
// size of its text; in a box it keeps the box and aligns its text there by
// FLAGS (alignment, and Qt::TextWordWrap to wrap).
TLabel* MakeLabel(QWidget* parent, const char* name, QPoint at, const QFont& font,
                  const QColor& color, int text = 0);
TLabel* MakeLabel(QWidget* parent, const char* name, QRect box, const QFont& font,
                  const QColor& color, int flags, int text = 0);

// The forms' radio button: its object name, the string-table text numbered
// TEXT and the forms' 14-pixel font, in a box.
QRadioButton* MakeRadio(QWidget* parent, const char* name, QRect box, int text);

// A container; white or another colour unless transparent.
class TPanel : public QWidget {
 public:
  explicit TPanel(QWidget* parent, const char* name = nullptr);
  void SetColor(const QColor& color);
  void SetTransparent();
};

// Connections a page makes while it is shown; all of them end with Clear
// or with the list.
class TConnections {
 public:
  TConnections() = default;
  TConnections(const TConnections&) = delete;
  TConnections& operator=(const TConnections&) = delete;
  ~TConnections() { Clear(); }
  void Add(const QMetaObject::Connection& connection) { connections_.push_back(connection); }
  void Clear() {
    for (const auto& c : connections_) QObject::disconnect(c);
    connections_.clear();
  }

 private:
  std::vector<QMetaObject::Connection> connections_;
};

// Fonts by the names the forms give them; "Arial" and "Times New Roman"
// resolve to the metric-compatible fonts that setup installs.
QFont PixelFont(const char* family, int pixels, bool bold = false);
QFont PointFont(const char* family, int points, bool bold = false);

}  // namespace tq
