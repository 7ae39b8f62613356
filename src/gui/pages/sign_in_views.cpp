#include "gui/pages/sign_in_views.h"

#include <QLineEdit>
#include <QPushButton>

#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/records/user.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"

namespace tq {
void TCoverView::ShowPage() {
  TFormView::ShowPage();
  TBookForm* book = BookForm();
  book->CreateCoverControls();
  for (QWidget* w : std::initializer_list<QWidget*>{book->LogLabel, book->LogOK, book->LogVisitor,
                                                    book->NameField})
    w->show();
  book->NameField->clear();
  if (!Settings().DisableUserList) book->NameField->setEditText(ToQString(Settings().LastUser));
  if (auto names = TUser::GetUserList()) {
    const QString text = book->NameField->currentText();
    for (const std::string& name : *names) book->NameField->addItem(ToQString(name));
    book->NameField->setEditText(text);
  }
  book->SetLayout(0);
  book->NameField->setFocus();
  book->NameField->lineEdit()->selectAll();
  connections_.Add(
      QObject::connect(book->LogOK, &QPushButton::clicked, [this] { SetResult(kName); }));
  connections_.Add(
      QObject::connect(book->LogVisitor, &QPushButton::clicked, [this] { SetResult(kVisitor); }));
}

void TCoverView::HidePage() {
  TBookForm* book = BookForm();
  // The name as typed: the sign-in rules check and shape it.
  UserName = Result() != kVisitor ? book->NameField->currentText().toStdString() : std::string();
  for (QWidget* w : std::initializer_list<QWidget*>{book->LogLabel, book->LogOK, book->LogVisitor,
                                                    book->NameField})
    w->hide();
  connections_.Clear();
  TFormView::HidePage();
}

void TNewUserView::ShowPage() {
  TFormView::ShowPage();
  TBookForm* book = BookForm();
  book->CreateCoverControls();
  book->NewUserLbl->SetCaption(ToQString(UserName + Str(kStrNewUserQuestion)));
  for (QWidget* w :
       std::initializer_list<QWidget*>{book->UserYes, book->UserCancel, book->NewUserLbl})
    w->show();
  book->SetLayout(0);
  book->UserYes->setFocus();
  connections_.Add(
      QObject::connect(book->UserYes, &QPushButton::clicked, [this] { SetResult(kCreate); }));
  connections_.Add(
      QObject::connect(book->UserCancel, &QPushButton::clicked, [this] { SetResult(kBack); }));
}

void TNewUserView::HidePage() {
  TBookForm* book = BookForm();
  for (QWidget* w :
       std::initializer_list<QWidget*>{book->UserYes, book->UserCancel, book->NewUserLbl})
    w->hide();
  connections_.Clear();
  TFormView::HidePage();
}

}  // namespace tq
