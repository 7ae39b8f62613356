#include "gui/shell/navigate.h"

#include "core/shell/strings.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"

namespace tq {

TNavigate::TNavigate(TBookForm* book)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), book_(book) {
  setObjectName(QStringLiteral("Navigate"));
  setFixedSize(kWidth, kHeight);
  auto button = [this](const char* name, int text, int left, int where) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoRaise(true);
    b->setText(ToQString(Str(text)));
    b->setGeometry(left, 0, 49, kHeight);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QToolButton::clicked, this, [this, where] { MoveBook(where); });
    return b;
  };
  LeftBtn = button("LeftBtn", kStrNavLeft, 0, 0);
  CenterBtn = button("CenterBtn", kStrNavCenter, 48, 1);
  RightBtn = button("RightBtn", kStrNavRight, 96, 2);
}

void TNavigate::MoveBook(int where) {
  QWidget* bookPanel = book_->Book;
  const int free = book_->width() - bookPanel->width();
  const int left = where == 0 ? 0 : where == 1 ? free / 2 : free;
  bookPanel->move(left, bookPanel->y());
  book_->activateWindow();
  book_->setFocus();
}

}  // namespace tq
