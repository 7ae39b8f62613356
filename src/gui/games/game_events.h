#pragma once
// The three game pages: each makes its model and paints it.
//   TWTrisEvent   "WORDTRIS": the box of ten rows and the word display.
//   TBubbles      "BUBBLES": the rising bubbles and air bubbles.
//   TCloudGame    "CLOUDS": the drifting clouds; field 4 "TRUE" chooses the
//                 storm variant.

#include <QImage>
#include <QPixmap>
#include <array>
#include <memory>
#include <string>

#include "core/games/bubbles.h"
#include "core/games/clouds.h"
#include "core/games/wordtris.h"
#include "gui/exercises/qt_font_metrics.h"
#include "gui/games/game_event.h"

namespace tq {

class TWTrisEvent : public TCustomGameEvent {
 public:
  static constexpr int kBoxLeft = 244;
  static constexpr int kBoxTop = 8;
  static constexpr int kRowWidth = 220;
  static constexpr int kRowHeight = 30;

  explicit TWTrisEvent(const std::string& eventLine);
  WordTrisGame& Game() { return static_cast<WordTrisGame&>(*Model()); }
  QRect ChangedArea() const override;

 protected:
  std::unique_ptr<GameModel> MakeModel(uint32_t seed) override;
  void Paint(QPainter& painter) override;
  std::vector<int> InstructionTexts() const override;
  std::string TableName() const override { return "wordtris"; }
  int MissedCount() const override;

 private:
  void PaintBackground(QPainter& painter, const QSize& size) const;
  QImage background_;
  QPixmap active_, inactive_, wall_, floor_, leftBlock_, rightBlock_;
};

class TBubbles : public TCustomGameEvent {
 public:
  explicit TBubbles(const std::string& eventLine);
  BubblesGame& Game() { return static_cast<BubblesGame&>(*Model()); }
  // The keys the bubbles show (the review's choice); empty: the alphabet.
  std::string KeyString;

 protected:
  std::unique_ptr<GameModel> MakeModel(uint32_t seed) override;
  void Paint(QPainter& painter) override;
  std::vector<int> InstructionTexts() const override;
  std::string TableName() const override { return "bubbles"; }
  int MissedCount() const override;
  std::pair<const char*, const char*> MissedPictures() const override {
    return {"BubbleOn", "BubbleOff"};
  }
};

class TCloudGame : public TCustomGameEvent {
 public:
  explicit TCloudGame(const std::string& eventLine);
  CloudsGame& Game() { return static_cast<CloudsGame&>(*Model()); }
  bool StormVariant() const { return storm_; }

 protected:
  std::unique_ptr<GameModel> MakeModel(uint32_t seed) override;
  void Paint(QPainter& painter) override;
  std::vector<int> InstructionTexts() const override;
  std::string TableName() const override { return "Clouds"; }
  int MissedCount() const override;
  std::pair<const char*, const char*> MissedPictures() const override {
    return {"CloudOn", "CloudOff"};
  }

 private:
  bool storm_;
  QtFontMetrics wordFont_;
  std::array<QPixmap, 4> pictures_;
};

}  // namespace tq
