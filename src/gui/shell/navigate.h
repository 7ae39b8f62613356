#pragma once
// TNavigate: the small always-on-top bar of small screens, where the book
// does not fit: "Left", "Center" and "Right" move the book inside the
// window, then give the keyboard back to the book.

#include <QToolButton>
#include <QWidget>

namespace tq {

class TBookForm;

class TNavigate : public QWidget {
 public:
  static constexpr int kWidth = 145;
  static constexpr int kHeight = 25;

  explicit TNavigate(TBookForm* book);

  QToolButton* LeftBtn;
  QToolButton* CenterBtn;
  QToolButton* RightBtn;

 private:
  void MoveBook(int where);
  TBookForm* book_;
};

}  // namespace tq
