#pragma once
// Draws the pages of the study report (laid out by the core in design
// units) on a printer or a PDF file: the design page is stretched over the
// whole paper, margins included, and fonts are sized in design units so
// that the report looks the same on any resolution.

#include <QPagedPaintDevice>
#include <functional>
#include <vector>

#include "core/pages/study_report.h"

class QPrinter;
class QWidget;

namespace tq {

// False when the device cannot be painted on (a file that cannot be
// written).
bool PaintStudyReport(QPagedPaintDevice& device, const std::vector<ReportPage>& pages);

// Shows the print dialog (its printers include printing to a PDF file) and
// prints the report in portrait, document title "Tapquill", unless the
// dialog is cancelled. Returns whether anything was printed.
bool PrintStudyReport(QWidget* parent, const std::vector<ReportPage>& pages);

// Stands in for the print dialog in tests: it may set up the printer (to a
// PDF file) and answers whether to print.
void SetPrintDialogHook(std::function<bool(QPrinter& printer)> hook);

}  // namespace tq
