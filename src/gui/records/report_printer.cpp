#include "gui/records/report_printer.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "core/files/ansi.h"
#include "core/shell/host.h"
#include "core/shell/strings.h"
#include "gui/exercises/qt_font_metrics.h"
#include "gui/shell/qt_text.h"

namespace tq {
namespace {

std::function<bool(QPrinter&)>& Hook() {
  static std::function<bool(QPrinter&)> hook;
  return hook;
}

}  // namespace

bool PaintStudyReport(QPagedPaintDevice& device, const std::vector<ReportPage>& pages) {
  device.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter p;
  if (!p.begin(&device)) return false;
  bool first = true;
  for (const ReportPage& page : pages) {
    if (!first) device.newPage();
    first = false;
    p.setWindow(0, 0, kReportPageWidth, kReportPageHeight);
    for (const ReportRule& r : page.rules) {
      p.setPen(QPen(Qt::black, r.width));
      p.drawLine(r.x1, r.y, r.x2, r.y);
    }
    p.setPen(Qt::black);
    for (const ReportText& t : page.texts) {
      QFont font(QStringLiteral("Arial"));
      font.setPixelSize(static_cast<int>(RoundEven(t.size * kReportUnitsPerPoint)));
      font.setBold(t.bold);
      p.setFont(font);
      p.drawText(QRect(t.x, t.y, kReportPageWidth - t.x, ReportLineHeight(t.size) * 2),
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, AnsiText(t.text));
    }
  }
  return p.end();
}

bool PrintStudyReport(QWidget* parent, const std::vector<ReportPage>& pages) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setDocName(ToQString(Str(kStrReportProduct)));
  printer.setFullPage(true);
  if (Hook()) {
    if (!Hook()(printer)) return false;
  } else {
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
  }
  if (PaintStudyReport(printer, pages)) return true;
  // A printer that cannot be painted on is a file that cannot be written.
  GetHost().ShowMessage(MessageKind::Error, Str(kStrProgramTitle),
                        Str(kStrReportSaveFailed) + FromQString(printer.outputFileName()));
  return false;
}

void SetPrintDialogHook(std::function<bool(QPrinter& printer)> hook) {
  Hook() = std::move(hook);
}

}  // namespace tq
