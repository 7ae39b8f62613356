#include "gui/storage/statistics_stg.h"

namespace tq {

TStatisticsStg::TStatisticsStg() : TStorageForm("StatisticsStg") {
  Panel1 = AddPanel("Panel1", kPageWidth, kPageHeight);
  Panel2 = AddPanel("Panel2", kPageWidth, kPageHeight);
}

}  // namespace tq
