#pragma once
// TStatisticsStg: the controls of the statistics page. Panel1 goes on the
// left page (progress, the keyboard heat map, the difficult keys), Panel2 on
// the right page (efficiency and speed per lesson); the print button goes
// on the book's title bar.

#include <QPushButton>

#include "gui/storage/storage_form.h"

namespace tq {

class TGraph;
class THeatMap;
class TPieGauge;
class TSlowPairsList;

class TStatisticsStg : public TStorageForm {
 public:
  TStatisticsStg();

  TPanel* Panel1;
  TPanel* Panel2;
  QPushButton* PrintBtn;

  // Left page.
  TLabel* ProgressLbl;
  TLabel* EstimationLbl;
  TLabel* TimeUsed;
  TLabel* Completed;
  TLabel* TimeLeft;
  TPieGauge* ProgressGauge;
  TLabel* HeatLbl;
  THeatMap* HeatMap;
  TImage* HeatLegend;
  TLabel* KeysLbl;
  TLabel* KeysPercentLbl;
  TGraph* KeysGraph;
  TSlowPairsList* PairsList;

  // Right page.
  TLabel* EfficiencyLbl;
  TLabel* EfficiencyPercentLbl;
  TGraph* EfficiencyGraph;
  TLabel* EfficiencyLessonLbl;
  TLabel* SpeedLbl;
  TLabel* UnitLbl;
  TGraph* SpeedGraph;
  TLabel* SpeedLessonLbl;
};

}  // namespace tq
