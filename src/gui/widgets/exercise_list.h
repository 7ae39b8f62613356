#pragma once
// TExerciseList: the custom-drawn list of a lesson's exercises on the right
// page of the lesson spread. One row per exercise (number in bold, type,
// minutes) and a last row that leaves the lesson ("Next Lesson"); each row
// is drawn on its row picture: the current row, a completed exercise or a
// plain one. Rows are 1-based; at most MaxRows are shown.

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace tq {

class TChapter;

class TExerciseList : public QWidget {
 public:
  static constexpr int kDefaultMaxRows = 10;

  explicit TExerciseList(QWidget* parent);

  // Fills the rows from the lesson's exercises plus the last row.
  void SetChapter(const TChapter* chapter);
  // Row is clamped to 1 .. RowCount; a change repaints the two rows.
  void SetCurrent(int row);
  // Rows 1 .. RowCount - 1 only (the last row is never completed).
  void SetCompleted(int row, bool done);
  void SetMaxRows(int rows);
  void SetRowCount(int rows);
  void SetColumns(int x1, int x2, int x3);
  void SetPictures(const QPixmap& completed, const QPixmap& current, const QPixmap& normal);
  void SetRowHeight(int height);

  const TChapter* Chapter() const { return chapter_; }
  int Current() const { return current_; }
  int RowCount() const { return rowCount_; }
  int MaxRows() const { return maxRows_; }
  int RowHeight() const { return rowHeight_; }
  int Column1X() const { return column1X_; }
  int Column2X() const { return column2X_; }
  int Column3X() const { return column3X_; }
  bool Completed(int row) const;
  // The three column texts of a row (1-based; empty outside the rows).
  std::string Number(int row) const;
  std::string Type(int row) const;
  std::string Duration(int row) const;
  // The area of a row inside the control.
  QRect RowRect(int row) const;

  // Caption of the last row; "Go to the Next Lesson" until set.
  std::string LastRowText;
  // A double click on a row.
  std::function<void()> OnDblClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  struct Row {
    std::string flag;  // "T" when the exercise is completed
    std::string number;
    std::string type;
    std::string duration;
  };
  void FitHeight();
  const QPixmap& PictureOf(int row) const;

  const TChapter* chapter_ = nullptr;
  int column1X_ = 0;
  int column2X_ = 0;
  int column3X_ = 0;
  QPixmap completedPicture_;
  QPixmap currentPicture_;
  QPixmap normalPicture_;
  int rowHeight_ = 20;
  int maxRows_ = kDefaultMaxRows;
  int rowCount_ = 0;
  int current_ = 1;
  std::vector<Row> rows_;
};

}  // namespace tq
