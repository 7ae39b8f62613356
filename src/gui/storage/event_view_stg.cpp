#include "gui/storage/event_view_stg.h"

namespace tq {

TEventViewStg::TEventViewStg() : TStorageForm("EventViewStg") {
  Page1 = AddPanel("Page1", kPageWidth, kPageHeight);
  Page2 = AddPanel("Page2", kPageWidth, kPageHeight);
  TopTenPanel = AddPanel("TopTenPanel", kPageWidth, kPageHeight);
  WizResultPanel = AddPanel("WizResultPanel", kPageWidth, kPageHeight);
}

}  // namespace tq
