#pragma once
// TCustomGameEvent: the page of a typing game on the wide page of the book.
// The rules are the game's model in the core (core/games); this page owns
// the model, ticks it from a timer at the game's interval, hands it the
// keys, paints it into an off-screen image and copies that image to the
// paint box. It shows the instruction card and the "Press any key" / "Game
// over." messages, the score and the missed count, and when it closes it
// enters the score in the game's top-ten table and puts that table on the
// left page.
//
// After "Game over." the keys are ignored for two seconds while the window
// keeps painting; then Enter continues.

#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/games/game_common.h"
#include "core/games/game_model.h"
#include "gui/exercises/event_views.h"

class QPainter;

namespace tq {

class TPanel;
class TLabel;
class TImage;
class GamePaintBox;

// A picture of the program directory's art folder ("TrisActive" ->
// "art/TrisActive.png"), or the stand-in when the file is not there.
QPixmap GameArt(const char* name, const QPixmap& standIn);

class TCustomGameEvent : public TTimedEvent, protected GameListener {
 public:
  static constexpr int kSurfaceHeight = kGameSurfaceHeight;
  static constexpr int kGameOverPauseMs = 2000;

  explicit TCustomGameEvent(const std::string& eventLine);
  ~TCustomGameEvent() override;

  void ShowPage() override;
  void KeyPress(char& key) override;
  void KeyDown(int& key, ShiftState shift) override;
  void HidePage() override;
  void CanClose(bool& refuse) override;

  // One pass of the loop: ticks the model when its interval has passed on
  // the 32-bit millisecond counter, repaints, and schedules the next pass.
  void RunLoop();
  // One tick of the model with its repaint.
  void TickNow();
  // Paints the model into the buffer and copies the buffer to the paint box.
  void DrawScene();

  // The part of the surface a tick can change (the paint box copies only
  // that); the whole surface unless a game says otherwise.
  virtual QRect ChangedArea() const { return buffer_.rect(); }
  GameModel* Model() { return model_.get(); }
  // True until the buffer of this opening has been painted once (a game
  // that paints only what changes paints it all then).
  bool FreshBuffer() const { return fresh_; }
  const QImage& Buffer() const { return buffer_; }
  const std::string& WordFileName() const { return wordFileName_; }
  // Words handed over by the review wizard in place of the word file.
  void SetWords(const std::vector<std::string>& words) { givenWords_ = words; }
  bool KeysBlocked() const { return keysBlocked_; }

  GamePaintBox* PaintBox = nullptr;
  TPanel* InstructionCard = nullptr;
  TLabel* InstructionTitle = nullptr;
  std::vector<TLabel*> InstructionLines;
  TLabel* PointsTitle = nullptr;
  TLabel* PointsLabel = nullptr;
  TLabel* MissedTitle = nullptr;
  TImage* MissedDisplay = nullptr;
  QTimer LoopTimer;
  QTimer GameOverTimer;
  // Told of every tick the loop takes, with how many milliseconds after its
  // due time it came (the benchmark measures the loop's steadiness with it).
  std::function<void(uint32_t lateMs)> OnLoopTick;

 protected:
  // The game's model, made when the page opens (seeded from the clock).
  virtual std::unique_ptr<GameModel> MakeModel(uint32_t seed) = 0;
  // Paints the model into the buffer: at least the part that changes.
  virtual void Paint(QPainter& painter) = 0;
  // The instruction lines and the top-ten table of the game.
  virtual std::vector<int> InstructionTexts() const = 0;
  virtual std::string TableName() const = 0;
  // Missed count and its maximum, shown under the surface.
  virtual int MissedCount() const = 0;
  virtual int MaxMissed() const { return 6; }
  // The art of a missed and a not yet missed object ("BubbleOn",
  // "BubbleOff"); none: the game shows its misses itself.
  virtual std::pair<const char*, const char*> MissedPictures() const { return {}; }

  void OnStarted() override;
  void OnPaused() override;
  void OnStopped() override;

  // From the model.
  void GameSound(int slot) override;
  void GameKey(char asked, bool isError) override;
  void GameStarted() override;
  void GameEnded() override;
  void GameIntervalChanged(uint32_t ms) override;

 private:
  void ShowStatus();
  void SaveScore();

  std::string wordFileName_;
  std::vector<std::string> givenWords_;
  std::unique_ptr<GameModel> model_;
  QImage buffer_;
  TickGate gate_;
  QPixmap missedOn_, missedOff_;
  bool keysBlocked_ = false;
  bool fresh_ = true;
  bool scoreSaved_ = false;
};

}  // namespace tq
