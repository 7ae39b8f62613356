#include "gui/records/slow_pairs_list.h"

#include <QPainter>

#include "core/files/ansi.h"
#include "core/shell/strings.h"
#include "gui/shell/qt_text.h"
#include "gui/widgets/controls.h"

namespace tq {
namespace {

const QColor kGrey(110, 110, 110);
const QColor kDarkRed(128, 0, 0);
const QColor kInk(60, 44, 32);

QFont NoteFont() {
  QFont font = PixelFont("Arial", 11);
  font.setItalic(true);
  return font;
}

}  // namespace

TSlowPairsList::TSlowPairsList(QWidget* parent, const char* name) : QWidget(parent) {
  setObjectName(QString::fromLatin1(name));
  setAttribute(Qt::WA_TranslucentBackground);
}

void TSlowPairsList::SetPairs(const std::vector<SlowPair>& pairs) {
  rows_.clear();
  for (const SlowPair& p : pairs)
    rows_.push_back({ToQString(p.Letters), ToQString(IntToStr(p.MedianMs) + Str(kStrStatPairsMs))});
  update();
}

void TSlowPairsList::paintEvent(QPaintEvent* event) {
  (void)event;
  QPainter p(this);
  p.setFont(NoteFont());
  p.setPen(kGrey);
  p.drawText(QRect(0, 0, width(), kCaptionHeight), Qt::AlignLeft | Qt::AlignVCenter,
             ToQString(Str(kStrStatPairsCaption)));
  if (rows_.empty()) {
    p.drawText(QRect(0, kCaptionHeight, width(), kRowHeight), Qt::AlignLeft | Qt::AlignVCenter,
               ToQString(Str(kStrStatPairsNone)));
    return;
  }
  const QFont pairFont = PixelFont("Courier New", 14, true);
  const QFont timeFont = PixelFont("Arial", 12);
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const QRect row(0, kCaptionHeight + static_cast<int>(i) * kRowHeight, width(), kRowHeight);
    // A faint rule under each row keeps the times with their pairs.
    p.setPen(QColor(200, 190, 170));
    p.drawLine(row.bottomLeft(), row.bottomRight());
    p.setFont(pairFont);
    p.setPen(kDarkRed);
    p.drawText(row.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, rows_[i].Pair);
    p.setFont(timeFont);
    p.setPen(kInk);
    p.drawText(row.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter, rows_[i].Time);
  }
}

}  // namespace tq
