#pragma once
// The base of the three game models: run state, score, word supply,
// generator and listener. Concrete games add their objects, Key and Tick.

#include <cstdint>
#include <string>

#include "core/games/game_common.h"
#include "core/games/word_supply.h"

namespace tq {

class GameModel {
 public:
  explicit GameModel(uint32_t seed) : random_(seed) {}
  virtual ~GameModel() = default;

  // A key typed (a Windows-1252 character, Backspace 8, Enter 13); 'now' is
  // the date-time of the key.
  virtual void Key(char key, double now) = 0;
  // One step of the game loop.
  virtual void Tick(double now) = 0;
  // Milliseconds between ticks.
  virtual uint32_t Interval() const = 0;

  int State() const { return state_; }
  // Pause and resume from outside (a paused game does not tick).
  void SetPaused(bool paused);
  int32_t Points() const { return points_; }
  void SetPoints(int32_t points) { points_ = points; }

  void SetListener(GameListener* listener) { listener_ = listener ? listener : &silent_; }
  GameRandom& Random() { return random_; }
  WordSupply& Words() { return words_; }

 protected:
  void Start();
  void End();
  GameListener& Listener() { return *listener_; }

 private:
  int state_ = kGameNotStarted;
  int32_t points_ = 0;
  GameRandom random_;
  WordSupply words_;
  GameListener silent_;
  GameListener* listener_ = &silent_;
};

}  // namespace tq
