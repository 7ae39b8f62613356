#pragma once
// Bubbles: bubbles showing one character rise in ten columns; pressing a
// character pops every bubble that shows it. A bubble that leaves the top is
// missed; the sixth miss ends the game. Blue and red bubbles rise faster and
// score more than green ones; the level rises as bubbles are popped low down.
// Small air bubbles rise in the background.

#include <array>
#include <string>
#include <vector>

#include "core/games/game_model.h"

namespace tq {

struct Bubble {
  int LaunchSpeed = 0;
  char Char = 0;
  bool Alive = false;
  int SpeedFactor = 1;
  int Phase = 0;
  int Decoration = 0;
  int Size = 40;
  int Kind = 1;  // 1 green, 2 blue, 3 red
  int X = 0;
  int Y = 0;
  int RiseSpeed = 0;

  void Kill() {
    Char = 0;
    Alive = false;
  }
  void Launch(int speed);
  void Move(double factor);
};

class BubblesGame : public GameModel {
 public:
  static constexpr int kColumns = 10;
  static constexpr int kMaxMissed = 6;
  static constexpr int32_t kMaxPoints = 31000;
  static constexpr char kNoChar = 10;
  static constexpr const char* kDefaultCharSet = "qwertyuiopasdfghjklzxcvbnm";

  // The characters the bubbles show (the default alphabet when empty); the
  // clock starts at 'now'.
  BubblesGame(const std::string& charSet, double now, uint32_t seed, int width = kGameSurfaceWidth,
              int height = kGameSurfaceHeight);

  void Key(char key, double now) override;
  void Tick(double now) override;
  uint32_t Interval() const override { return 100; }

  int BaseSpeed() const;
  // Leaves no column character set twice while the set has characters to spare.
  char PickChar(int column);

  std::array<Bubble, kColumns> Columns;
  std::string ColumnChars;
  std::vector<Bubble> Decorations;
  std::string CharSet;
  double Level = 1.0;
  int MissedCount = 0;
  int ScoreDivisor = 1;
  bool ErrorPending = false;
  double LaunchInterval = 2.0;
  double LastLaunch = 0;
  double DecorationInterval = 0.8;
  double LastDecoration = 0;
  int HeightIndex = 0;
  int HeightCount = 0;
  std::array<int, 4> Heights{};
  int HeightSum = 0;
  int HeightAverage = 0;
  int Width;
  int Height;

 private:
  void AddPopHeight(int y);
};

}  // namespace tq
