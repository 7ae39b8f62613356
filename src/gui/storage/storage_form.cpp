#include "gui/storage/storage_form.h"

namespace tq {

TStorageForm::TStorageForm(const char* name) : QWidget(nullptr) {
  setObjectName(QString::fromLatin1(name));
  setAttribute(Qt::WA_DontShowOnScreen);
}

QWidget* TStorageForm::Control(const char* name) const {
  return findChild<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

TPanel* TStorageForm::AddPanel(const char* name, int width, int height) {
  auto* panel = new TPanel(this, name);
  panel->setGeometry(0, 0, width, height);
  return panel;
}

TImage* TStorageForm::AddImage(const char* name, int width, int height) {
  auto* image = new TImage(this, name);
  image->setGeometry(0, 0, width, height);
  return image;
}

}  // namespace tq
