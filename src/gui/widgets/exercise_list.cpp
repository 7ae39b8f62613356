#include "gui/widgets/exercise_list.h"

#include <QFontInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "core/course/chapter.h"
#include "core/files/ansi.h"
#include "core/shell/strings.h"
#include "gui/shell/qt_text.h"
#include "gui/widgets/controls.h"

namespace tq {
namespace {

const QColor kTickColor(79, 138, 94);

}  // namespace

TExerciseList::TExerciseList(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ExerciseList"));
  setFont(PointFont("Arial", 10));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(192, 220, 192));
  pal.setColor(QPalette::WindowText, Qt::black);
  setPalette(pal);
  LastRowText = Str(kStrGoToNextLesson);
  FitHeight();
}

void TExerciseList::SetChapter(const TChapter* chapter) {
  chapter_ = chapter;
  rows_.clear();
  if (chapter) {
    for (const TExercise& e : chapter->Exercises) {
      Row row;
      row.number = e.Id;
      row.type = e.TypeText;
      if (e.Minutes >= 1) row.duration = IntToStr(e.Minutes) + Str(kStrMinutesShort);
      rows_.push_back(std::move(row));
    }
  }
  Row last;
  last.number = LastRowText;
  rows_.push_back(std::move(last));
  SetRowCount(static_cast<int>(rows_.size()));
  update();
}

void TExerciseList::SetCurrent(int row) {
  row = std::clamp(row, 1, std::max(rowCount_, 1));
  if (row == current_) return;
  const int old = current_;
  current_ = row;
  update(RowRect(old));
  update(RowRect(row));
}

void TExerciseList::SetCompleted(int row, bool done) {
  if (row < 1 || row > rowCount_ - 1) return;
  std::string& flag = rows_[static_cast<std::size_t>(row - 1)].flag;
  const std::string wanted = done ? "T" : "";
  if (flag == wanted) return;
  flag = wanted;
  update(RowRect(row));
}

void TExerciseList::SetMaxRows(int rows) {
  maxRows_ = std::max(rows, 0);
  SetRowCount(static_cast<int>(rows_.size()));
}

void TExerciseList::SetRowCount(int rows) {
  rowCount_ = std::clamp(rows, 0, maxRows_);
  rowCount_ = std::min(rowCount_, static_cast<int>(rows_.size()));
  if (current_ > rowCount_) current_ = std::max(rowCount_, 1);
  FitHeight();
  update();
}

void TExerciseList::SetColumns(int x1, int x2, int x3) {
  column1X_ = x1;
  column2X_ = x2;
  column3X_ = x3;
  update();
}

void TExerciseList::SetPictures(const QPixmap& completed, const QPixmap& current,
                                const QPixmap& normal) {
  completedPicture_ = completed;
  currentPicture_ = current;
  normalPicture_ = normal;
  update();
}

void TExerciseList::SetRowHeight(int height) {
  if (height <= 0) return;
  rowHeight_ = height;
  FitHeight();
  update();
}

bool TExerciseList::Completed(int row) const {
  return row >= 1 && row <= static_cast<int>(rows_.size()) &&
         rows_[static_cast<std::size_t>(row - 1)].flag == "T";
}

std::string TExerciseList::Number(int row) const {
  return row >= 1 && row <= static_cast<int>(rows_.size())
             ? rows_[static_cast<std::size_t>(row - 1)].number
             : std::string();
}

std::string TExerciseList::Type(int row) const {
  return row >= 1 && row <= static_cast<int>(rows_.size())
             ? rows_[static_cast<std::size_t>(row - 1)].type
             : std::string();
}

std::string TExerciseList::Duration(int row) const {
  return row >= 1 && row <= static_cast<int>(rows_.size())
             ? rows_[static_cast<std::size_t>(row - 1)].duration
             : std::string();
}

QRect TExerciseList::RowRect(int row) const {
  return QRect(0, (row - 1) * rowHeight_, width(), rowHeight_);
}

void TExerciseList::FitHeight() {
  resize(width(), rowCount_ * rowHeight_);
}

const QPixmap& TExerciseList::PictureOf(int row) const {
  if (row == current_) return currentPicture_;
  if (Completed(row)) return completedPicture_;
  return normalPicture_;
}

void TExerciseList::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.setClipRegion(event->region());
  QFont plain = font();
  QFont bold = plain;
  bold.setBold(true);
  // The font's cell height in pixels, as the form's font height gives it.
  const int fontHeight = QFontInfo(plain).pixelSize();
  for (int r = 1; r <= rowCount_; ++r) {
    const QRect area = RowRect(r);
    if (!event->region().intersects(area)) continue;
    const QPixmap& picture = PictureOf(r);
    p.drawPixmap(0, area.top(), picture);
    // The current row shows that it is done, too: the completed row's tick
    // over the current row's picture.
    if (r == current_ && Completed(r)) {
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(QPen(kTickColor, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      const QPointF at(0, area.top());
      p.drawPolyline(QPolygonF{at + QPointF(8, 12), at + QPointF(13, 17), at + QPointF(22, 7)});
      p.restore();
    }
    const int pictureHeight = picture.isNull() ? rowHeight_ : picture.height();
    const int offset = static_cast<int>(
        RoundEven(static_cast<double>(pictureHeight - std::abs(fontHeight)) / 2.2));
    const int top = area.top() + offset;
    p.setPen(palette().color(QPalette::WindowText));
    auto text = [&](const QFont& f, int x, const std::string& s) {
      if (s.empty()) return;
      p.setFont(f);
      p.drawText(QPoint(x, top + QFontMetrics(f).ascent()), ToQString(s));
    };
    const Row& row = rows_[static_cast<std::size_t>(r - 1)];
    text(bold, column1X_, row.number);
    text(plain, column2X_, row.type);
    text(plain, column3X_, row.duration);
  }
}

void TExerciseList::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int y = event->position().toPoint().y();
  if (y < 0 || rowHeight_ <= 0) return;
  SetCurrent(y / rowHeight_ + 1);
}

void TExerciseList::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  mousePressEvent(event);
  if (OnDblClick) OnDblClick();
}

}  // namespace tq
