#include "gui/pages/titled_page.h"

#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"

namespace tq {

void TTitledPage::ShowPage() {
  TFormView::ShowPage();
  TBookForm* book = BookForm();
  book->Title->SetCaption(ToQString(title_));
  book->SetLayout(2);
}

void RunTitledPage(const std::string& title) {
  TTitledPage page(title);
  page.Execute();
}

}  // namespace tq
