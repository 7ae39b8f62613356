#pragma once
// THeatMap: the student's keyboard drawn small, each key shaded from its
// plain face to deep red by the stored error rate of the characters it
// types (MakeHeatMap in the core scales the keys and rates them), so the
// weak keys stand out at a glance.

#include <QColor>
#include <QWidget>
#include <vector>

#include "core/pages/statistics.h"

namespace tq {

class THeatMap : public QWidget {
 public:
  explicit THeatMap(QWidget* parent, const char* name = nullptr);

  void SetKeys(std::vector<HeatKey> keys);
  const std::vector<HeatKey>& Keys() const { return keys_; }
  // The face colour of a key of that heat level (0..1); keys never typed
  // are grey.
  static QColor FaceColor(const HeatKey& key);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<HeatKey> keys_;
};

}  // namespace tq
