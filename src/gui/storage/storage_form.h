#pragma once
// The base of the hidden storage forms: a window that is never shown and
// only holds the controls a kind of page borrows onto the book while it is
// shown (panels sized for the book's pages, pictures). Its children carry
// the names the pages look them up by.

#include <QWidget>

#include "gui/widgets/controls.h"

namespace tq {

class TStorageForm : public QWidget {
 public:
  // The sizes of the book's page panels.
  static constexpr int kPageWidth = 338;
  static constexpr int kWidePageWidth = 718;
  static constexpr int kPageHeight = 428;

  explicit TStorageForm(const char* name);

  // The direct child control of that name, or none.
  QWidget* Control(const char* name) const;

 protected:
  TPanel* AddPanel(const char* name, int width, int height);
  TImage* AddImage(const char* name, int width, int height);
};

}  // namespace tq
