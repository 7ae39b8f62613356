#pragma once
// TSlowPairsList: the student's slowest letter pairs beside the difficult
// keys on the Statistics tab, one row a pair with its median time, slowest
// first. The ranking is the core's (TLetterPairs::SlowestPairs); the list
// only paints it, or "none yet" while no pair has been typed often enough.

#include <QString>
#include <QWidget>
#include <vector>

#include "core/records/letter_pairs.h"

namespace tq {

class TSlowPairsList : public QWidget {
 public:
  TSlowPairsList(QWidget* parent, const char* name);

  void SetPairs(const std::vector<SlowPair>& pairs);
  // The rows as painted: the pair and its time ("th", "182 ms").
  struct Row {
    QString Pair;
    QString Time;
  };
  const std::vector<Row>& Rows() const { return rows_; }

  static constexpr int kCaptionHeight = 19;
  static constexpr int kRowHeight = 19;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Row> rows_;
};

}  // namespace tq
