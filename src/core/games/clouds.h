#pragma once
// Clouds: clouds drift from the right edge to the left; a cloud that carries
// a word shows it below its picture, and typing the word and Space or Enter
// catches it. One cloud at a time is selected; Enter/Space and Backspace move
// the selection. The storm variant has stormy clouds that darken as they
// come near, sunny bonus clouds, points and levels; in the plain variant
// every cloud shows its word from the start, a caught cloud turns sunny and
// no points are scored. Six missed word clouds end either variant.

#include <array>
#include <string>
#include <vector>

#include "core/exercises/font_metrics.h"
#include "core/games/game_model.h"

namespace tq {

// The cloud pictures.
enum CloudPicture { kCloudWhite = 0, kCloudGray = 1, kCloudDark = 2, kCloudSunny = 3 };

// What the clouds measure: their pictures' sizes and the font of the words.
struct CloudLook {
  std::array<int, 4> PictureWidth{100, 100, 100, 100};
  std::array<int, 4> PictureHeight{60, 60, 60, 60};
  const FontMetrics* Font = nullptr;  // none: 10 pixels a character, 16 high
  int TextHeight() const;
  int TextWidth(const std::string& text) const;
};

struct Cloud {
  static constexpr int kPlain = 0;
  static constexpr int kStormy = 1;
  static constexpr int kSunny = 2;

  int X = 0;
  int Y = 0;
  std::string Word;
  int TypedPos = 1;
  int Kind = kPlain;
  std::array<int, 3> Pictures{kCloudWhite, kCloudWhite, kCloudWhite};
  int GrayAt = 0;
  int DarkAt = 0;

  int Stage() const;
  int Picture() const { return Pictures[Stage() - 1]; }
  bool Complete() const { return !Word.empty() && TypedPos > static_cast<int>(Word.size()); }
  int Width(const CloudLook& look) const;
  int Height(const CloudLook& look) const;
};

class CloudsGame : public GameModel {
 public:
  static constexpr int kMaxMissed = 6;
  static constexpr std::size_t kMaxWordLength = 50;

  CloudsGame(bool stormVariant, const CloudLook& look, uint32_t seed, int width = kGameSurfaceWidth,
             int height = kGameSurfaceHeight);

  void Key(char key, double now) override;
  void Tick(double now) override;
  uint32_t Interval() const override { return 50; }

  // The selected cloud, or none (an index outside the list selects nothing).
  const Cloud* Selected() const;
  void SetLevel(double level);
  int RevealX(const std::string& word);

  const bool StormVariant;
  const CloudLook Look;
  const int Width;
  const int Height;

  std::vector<Cloud> Clouds;  // oldest first
  int Current = 0;
  double Distance = 400;
  int Gap = 400;
  double Drift = 2.0;
  bool StormPending = false;
  double StormTime = 0;
  int GroupMode = 0;
  int GroupLeft = 0;
  int BonusSpacing = 6;
  int BonusCountdown = 0;
  int RightBound = 0;
  int LeftBound = 0;
  int LastZone = 0;
  int ZoneRepeats = 0;
  std::array<int, 3> ZoneWeights{10, 10, 10};
  std::array<int, 3> ZoneMaxRepeats{1, 1, 1};
  int MissedCount = 0;
  int LateIndex = 0;
  int LateCount = 0;
  std::array<double, 2> Lateness{};
  double LateSum = 0;
  double LateAverage = 0;
  double Level = 1.0;

 private:
  void MoveClouds(double now);
  void NewCloud();
  int GroupSize();
  int PlaceCloud(int height);
  void AdjustLevel(const Cloud& cloud);
  void Next();
  void Previous();
};

}  // namespace tq
