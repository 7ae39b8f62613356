#pragma once
// WordTris: a word falls in a beam down a box of ten rows, one row a tick;
// typing the word and Space catches it. A beam that lands stays as a grey
// beam at the bottom, so the box fills; the sixth landed beam ends the game.
// The speed follows how high up the beams are caught, and sets the tick
// interval together with the word's length.

#include <string>
#include <vector>

#include "core/games/game_model.h"

namespace tq {

class WordTrisGame : public GameModel {
 public:
  static constexpr int kRows = 10;
  static constexpr int kMaxMissed = 6;
  static constexpr float kMinSpeed = 1.0f;
  static constexpr float kMaxSpeed = 10.0f;
  // The fall factor never goes below this: about ten keys a second still
  // catch a beam at the top speed.
  static constexpr float kMinFallFactor = 0.1f;

  explicit WordTrisGame(uint32_t seed);

  void Key(char key, double now) override;
  void Tick(double now) override;
  uint32_t Interval() const override { return interval_; }

  // The text of a row (1..10): the beam, a landed beam or empty.
  std::string RowText(int row) const;
  // The prompt the beam shows once the word is typed: "Press Space!" and a space.
  static std::string Prompt();
  // Milliseconds a row takes at a speed for a word length.
  static uint32_t ComputeInterval(float speed, std::size_t wordLength);

  int BeamRow = 0;   // 0: no beam
  int TypedPos = 1;  // 1-based, in the beam's target text
  int CatchRow = 0;  // 11 after a miss, 0 before the first word
  float Speed = 1.0f;
  std::string CurrentWord;          // the prompt once the word is typed
  std::vector<std::string> Missed;  // oldest first
  // The word display below the box: the word and how much of it is typed.
  std::string ShownWord;
  int ShownTyped = 0;

 private:
  void NewWord();
  void UpdateSpeed();
  std::string Target() const;

  uint32_t interval_ = 100;
};

}  // namespace tq
