#pragma once
// TStatisticsStg: the panels of the statistics page.

#include "gui/storage/storage_form.h"

namespace tq {

class TStatisticsStg : public TStorageForm {
 public:
  TStatisticsStg();

  TPanel* Panel1;
  TPanel* Panel2;
};

}  // namespace tq
