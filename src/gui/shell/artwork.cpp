#include "gui/shell/artwork.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

namespace tq::artwork {
namespace {

// The palette: a leather-bound book on a calm blue-grey desk.
const QColor kLeather(122, 74, 46);
const QColor kLeatherDark(86, 50, 30);
const QColor kTabBehind(93, 120, 145);
const QColor kTabBehindSmall(74, 93, 110);
const QColor kGold(214, 178, 94);
const QColor kPageEdge(222, 216, 204);
// The part of the paper picture inside the book panel (520 - 61 pixels).
constexpr int kVisiblePaper = 459;
// The pages begin this far below the top of the paper picture.
constexpr int kPagesTop = 5;

struct FileEntry {
  const char* control;
  const char* file;
};

// Pictures named otherwise than their control; the others are
// "art/<control>.png".
constexpr FileEntry kFiles[] = {{"Image4", "Paper"}, {"Image1", "TitlePic"}};

// The controls of the book window that show pictures from files.
constexpr const char* kPictureControls[] = {
    "BackGround32",  "TabRowPic", "Image4",      "MenuGuided",  "MenuRevision",
    "MenuInfo",      "MenuLogo",  "MenuOptions", "MenuExit",    "HideSettings",
    "PageSeparator", "Image1",    "ConsolePic1", "ConsolePic2", "BeginB",
    "Next",          "Back",      "SkipF",       "SkipB",       "Cancel"};

QPainterPath TopRoundedRect(const QRectF& r, qreal radius) {
  QPainterPath path;
  path.moveTo(r.left(), r.bottom());
  path.lineTo(r.left(), r.top() + radius);
  path.quadTo(r.left(), r.top(), r.left() + radius, r.top());
  path.lineTo(r.right() - radius, r.top());
  path.quadTo(r.right(), r.top(), r.right(), r.top() + radius);
  path.lineTo(r.right(), r.bottom());
  path.closeSubpath();
  return path;
}

void Tab(QPainter& p, const QRectF& r, const QColor& color, qreal radius) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, color.lighter(118));
  g.setColorAt(1, color);
  p.setPen(QPen(color.darker(135), 1));
  p.setBrush(g);
  p.drawPath(TopRoundedRect(r.adjusted(0.5, 0.5, -0.5, 0), radius));
}

}  // namespace

QString FileOf(const QString& controlName) {
  bool known = false;
  for (const char* c : kPictureControls) known |= controlName == QLatin1String(c);
  if (!known) return {};
  QString name = controlName;
  for (const FileEntry& e : kFiles)
    if (controlName == QLatin1String(e.control)) name = QString::fromLatin1(e.file);
  return QStringLiteral("art/") + name + QStringLiteral(".png");
}

void Background(QPainter& p, const QRect& r) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, QColor(78, 104, 128));
  g.setColorAt(1, QColor(44, 62, 80));
  p.fillRect(r, g);
  QRadialGradient light(r.center(), r.width() * 0.6);
  light.setColorAt(0, QColor(255, 255, 255, 36));
  light.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(r, light);
}

void Paper(QPainter& p, const QRect& r) {
  // The open cover, then the stacked page edges, then the white pages. The
  // book is cut to its run-time height, so the cover ends above the cut.
  QRectF cover(r.left(), r.top(), r.width() - 10, std::min(r.height(), kVisiblePaper) - 2);
  p.setPen(QPen(kLeatherDark, 1));
  p.setBrush(kLeather);
  p.drawRoundedRect(cover.adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
  for (int i = 3; i >= 0; --i) {
    QRectF pages(14 + i, kPagesTop, cover.width() - 28 - 2 * i, cover.height() - 14 + i * 2);
    p.setPen(QPen(kPageEdge.darker(110), 1));
    p.setBrush(i == 0 ? QColor(Qt::white) : kPageEdge);
    p.drawRoundedRect(pages, 3, 3);
  }
}

void Spine(QPainter& p, const QRect& full) {
  // The fold runs down the pages, not over the cover's edge above them.
  const QRect r = full.adjusted(0, kPagesTop, 0, 0);
  QLinearGradient g(r.topLeft(), r.topRight());
  g.setColorAt(0, Qt::white);
  g.setColorAt(0.42, QColor(226, 222, 214));
  g.setColorAt(0.5, QColor(196, 190, 180));
  g.setColorAt(0.58, QColor(226, 222, 214));
  g.setColorAt(1, Qt::white);
  p.fillRect(r, g);
}

void TabRow(QPainter& p, const QRect&) {
  // The large tabs reach down into the cover; the small ones float.
  Tab(p, QRectF(28, 18, 113, 44), kLeather, 8);
  Tab(p, QRectF(141, 18, 114, 44), kLeather, 8);
  Tab(p, QRectF(255, 18, 129, 44), kLeather, 8);
  Tab(p, QRectF(406, 31, 43, 21), kLeather, 5);
  Tab(p, QRectF(472, 31, 77, 21), kLeather, 5);
}

void LargeTab(QPainter& p, const QRect& r) {
  // Covers the selected look below it entirely; a dark seam shows that the
  // tab stands behind the page.
  Tab(p, QRectF(r), kTabBehind, 8);
  p.fillRect(QRect(r.left() + 1, r.bottom() - 2, r.width() - 2, 3), kLeatherDark);
}

void SmallTab(QPainter& p, const QRect& r) {
  Tab(p, QRectF(r), kTabBehindSmall, 5);
}

void ExitTab(QPainter& p, const QRect& r) {
  QRectF b = QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5);
  p.setPen(QPen(QColor(150, 120, 90), 1));
  p.setBrush(QColor(240, 232, 214));
  p.drawRoundedRect(b, 6, 6);
}

void HiddenTab(QPainter& p, const QRect& r) {
  p.fillRect(r, Qt::transparent);
}

void Console(QPainter& p, const QRect& r, int style) {
  QColor base = style == 1 ? QColor(70, 92, 112) : QColor(84, 64, 52);
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, base.lighter(125));
  g.setColorAt(1, base.darker(115));
  p.setPen(QPen(base.darker(150), 1));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -2.5), 12, 12);
}

void ConsoleButton(QPainter& p, const QRect& r, Glyph glyph) {
  const qreal d = std::min(r.width(), r.height()) - 4;
  QRectF c(r.center().x() - d / 2 + 0.5, r.center().y() - d / 2 + 0.5, d, d);
  QColor face = glyph == Glyph::Begin    ? QColor(86, 160, 92)
                : glyph == Glyph::Cancel ? QColor(186, 78, 66)
                                         : QColor(232, 226, 212);
  QRadialGradient g(c.center() - QPointF(d / 6, d / 6), d * 0.7);
  g.setColorAt(0, face.lighter(130));
  g.setColorAt(1, face.darker(112));
  p.setPen(QPen(QColor(40, 30, 24, 160), 1.2));
  p.setBrush(g);
  p.drawEllipse(c);

  QColor ink =
      glyph == Glyph::Begin || glyph == Glyph::Cancel ? QColor(Qt::white) : QColor(70, 56, 46);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  const QPointF m = c.center();
  const qreal s = d / 5;
  auto arrow = [&](qreal x, int dir) {
    QPolygonF tri;
    tri << QPointF(x - dir * s, m.y() - s * 1.2) << QPointF(x + dir * s, m.y())
        << QPointF(x - dir * s, m.y() + s * 1.2);
    p.drawPolygon(tri);
  };
  switch (glyph) {
    case Glyph::Begin:
      arrow(m.x() + s * 0.3, 1);
      break;
    case Glyph::Next:
      arrow(m.x() + s * 0.2, 1);
      break;
    case Glyph::Back:
      arrow(m.x() - s * 0.2, -1);
      break;
    case Glyph::SkipForward:
      arrow(m.x() - s * 0.6, 1);
      arrow(m.x() + s * 1.0, 1);
      break;
    case Glyph::SkipBack:
      arrow(m.x() + s * 0.6, -1);
      arrow(m.x() - s * 1.0, -1);
      break;
    case Glyph::Cancel: {
      QPen pen(ink, s * 0.7, Qt::SolidLine, Qt::RoundCap);
      p.setPen(pen);
      p.drawLine(m + QPointF(-s, -s), m + QPointF(s, s));
      p.drawLine(m + QPointF(-s, s), m + QPointF(s, -s));
      break;
    }
  }
}

void Cover(QPainter& p, const QRect& r) {
  QRectF b = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient g(b.topLeft(), b.bottomRight());
  g.setColorAt(0, kLeather.lighter(112));
  g.setColorAt(1, kLeatherDark);
  p.setPen(QPen(kLeatherDark.darker(130), 1));
  p.setBrush(g);
  p.drawRoundedRect(b, 8, 8);
  // The spine's hinge and a gilt frame.
  p.fillRect(QRectF(b.left() + 14, b.top(), 4, b.height()), QColor(0, 0, 0, 50));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGold, 2));
  p.drawRoundedRect(b.adjusted(28, 18, -14, -18), 6, 6);
  p.setPen(QPen(kGold, 1));
  p.drawRoundedRect(b.adjusted(34, 24, -20, -24), 4, 4);

  QFont title(QStringLiteral("Times New Roman"));
  title.setPixelSize(44);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(0, 0, 0, 90));
  QRectF titleBox(b.left() + 20, b.top() + 70, b.width() - 26, 60);
  p.drawText(titleBox.translated(1.5, 1.5), Qt::AlignCenter, QStringLiteral("Tapquill"));
  p.setPen(kGold);
  p.drawText(titleBox, Qt::AlignCenter, QStringLiteral("Tapquill"));
  // A quill over three keys.
  const QPointF k(b.center().x() + 3, b.top() + 236);
  p.setPen(QPen(kGold, 1.5));
  for (int i = -1; i <= 1; ++i) p.drawRoundedRect(QRectF(k.x() + i * 34 - 14, k.y(), 28, 26), 4, 4);
  QPainterPath quill;
  quill.moveTo(k.x() - 30, k.y() - 6);
  quill.cubicTo(k.x() - 6, k.y() - 30, k.x() + 24, k.y() - 54, k.x() + 50, k.y() - 64);
  quill.cubicTo(k.x() + 34, k.y() - 40, k.x() + 8, k.y() - 16, k.x() - 30, k.y() - 6);
  p.setBrush(QColor(kGold.red(), kGold.green(), kGold.blue(), 90));
  p.drawPath(quill);
}

void CoverFrame(QPainter& p, const QRect& r) {
  p.setPen(QPen(QColor(150, 118, 70), 1.5));
  p.setBrush(QColor(250, 245, 232, 235));
  p.drawRoundedRect(QRectF(r).adjusted(1, 1, -1, -1), 8, 8);
}

void TitleRule(QPainter& p, const QRect& r) {
  p.setPen(QPen(kLeather.lighter(140), 2));
  p.drawLine(QPointF(r.left() + 2, r.bottom() - 4), QPointF(r.right() - 20, r.bottom() - 4));
}

}  // namespace tq::artwork
