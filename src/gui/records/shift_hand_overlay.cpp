#include "gui/records/shift_hand_overlay.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include "core/pages/shift_hand_share.h"
#include "core/records/coaching_file.h"
#include "core/records/user.h"
#include "core/shell/strings.h"
#include "gui/shell/qt_text.h"
#include "gui/widgets/controls.h"
#include "gui/widgets/graph.h"

namespace tq {
namespace {

const QColor kShareColor(230, 120, 0);
constexpr const char* kOverlayName = "ShiftHandOverlay";

class ShiftHandOverlay : public QWidget {
 public:
  explicit ShiftHandOverlay(TGraph* graph) : QWidget(graph), graph_(graph) {
    setObjectName(kOverlayName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  void SetLessons(ShiftHandLessons lessons) {
    lessons_ = std::move(lessons);
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    // The graph lays itself out as it paints, before its children.
    const std::vector<ShiftHandPoint> points = ShiftHandPoints(graph_->Plot(), lessons_);
    if (points.empty()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPen line(kShareColor, 2, Qt::DashLine);
    p.setPen(line);
    for (std::size_t i = 1; i < points.size(); ++i)
      p.drawLine(points[i - 1].at.x, points[i - 1].at.y, points[i].at.x, points[i].at.y);
    p.setPen(QPen(kShareColor.darker(130), 1));
    p.setBrush(kShareColor);
    for (const ShiftHandPoint& pt : points) p.drawEllipse(QPoint(pt.at.x, pt.at.y), 3, 3);

    // The key: in the plot's lower left corner, clear of the band names.
    const GraphPlot& plot = graph_->Plot();
    const QFont font = PixelFont("Arial", 11, true);
    p.setFont(font);
    const QString text = ToQString(Str(kStrShiftHandShare));
    const int x = plot.PlotLeft + 6;
    const int y = plot.PlotBottom - 8;
    p.drawEllipse(QPoint(x + 3, y - 4), 3, 3);
    p.setPen(kShareColor.darker(140));
    p.drawText(x + 10, y, text);
  }

 private:
  TGraph* graph_;
  ShiftHandLessons lessons_;
};

}  // namespace

void ShowShiftHandShare(TGraph* graph, const std::string& studentName) {
  if (!graph) return;
  auto* overlay = graph->findChild<ShiftHandOverlay*>(kOverlayName, Qt::FindDirectChildrenOnly);
  if (!overlay) overlay = new ShiftHandOverlay(graph);
  ShiftHandLessons lessons;
  if (!TUser::IsVisitor(studentName)) lessons = ReadShiftHandLessons(CoachingFilePath(studentName));
  overlay->setGeometry(graph->rect());
  overlay->SetLessons(std::move(lessons));
  overlay->setVisible(true);
  overlay->raise();
}

void HideShiftHandShare(TGraph* graph) {
  if (!graph) return;
  delete graph->findChild<ShiftHandOverlay*>(kOverlayName, Qt::FindDirectChildrenOnly);
}

}  // namespace tq
