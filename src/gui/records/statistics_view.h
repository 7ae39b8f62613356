#pragma once
// TStatisticsView: the Statistics tab. The left page shows the student's
// progress (time used, per cent completed with its gauge, time left), the
// keyboard heat map and the eight most difficult keys; the right page the
// efficiency and the speed per lesson in the chosen unit. The print button
// on the title bar prints the study report or saves it as a PDF file.
// Everything shown is computed in the core (core/pages/statistics.h,
// core/pages/study_report.h); this page puts it on the controls.

#include "gui/shell/form_view.h"
#include "gui/widgets/controls.h"

namespace tq {

class TStatisticsView : public TFormView {
 public:
  void ShowPage() override;
  void HidePage() override;
  void KeyDown(int& key, ShiftState shift) override;

  // Fills the page's controls from the signed-in student.
  void Fill();
  // The print button: the print dialog, then the report.
  void PrintReport();

 private:
  TConnections connections_;
};

// Runs the Statistics tab until another tab is chosen.
void RunStatistics();

}  // namespace tq
