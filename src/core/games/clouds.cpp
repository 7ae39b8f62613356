#include "core/games/clouds.h"

#include <algorithm>
#include <cmath>

#include "core/files/ansi.h"

namespace tq {

int CloudLook::TextHeight() const {
  return Font ? Font->FontHeight() : 16;
}

int CloudLook::TextWidth(const std::string& text) const {
  return Font ? Font->TextWidth(text) : 10 * static_cast<int>(text.size());
}

int Cloud::Stage() const {
  if (Kind == kPlain) return 1;
  if (X > GrayAt) return 1;
  if (X > DarkAt) return 2;
  return 3;
}

int Cloud::Width(const CloudLook& look) const {
  return std::max(look.PictureWidth[Picture()], look.TextWidth(Word));
}

int Cloud::Height(const CloudLook& look) const {
  return look.PictureHeight[Picture()] + look.TextHeight() + 1;
}

CloudsGame::CloudsGame(bool stormVariant, const CloudLook& look, uint32_t seed, int width,
                       int height)
    : GameModel(seed), StormVariant(stormVariant), Look(look), Width(width), Height(height) {
  GroupLeft = Random().Int(4);
  BonusCountdown = Random().Int(6);
  LeftBound = Width;
  RightBound = 0;
  SetLevel(1.0);
}

const Cloud* CloudsGame::Selected() const {
  if (Current < 0 || Current >= static_cast<int>(Clouds.size())) return nullptr;
  return &Clouds[Current];
}

void CloudsGame::SetLevel(double level) {
  Level = std::max(level, 1.0);
  if (StormVariant) {
    RightBound = Width - 100;
    LeftBound = 250;
    const double l = Level;
    Drift = 2.0, Gap = 90, GroupMode = 1, BonusSpacing = 6;
    ZoneWeights = {3, 1, 0}, ZoneMaxRepeats = {3, 1, 0};
    if (l >= 2) Gap = 85, BonusSpacing = 5, ZoneWeights = {2, 2, 0}, ZoneMaxRepeats = {2, 2, 0};
    if (l >= 3) Drift = 3.0, ZoneWeights = {2, 3, 1}, ZoneMaxRepeats = {2, 2, 1};
    if (l >= 4) Gap = 80, ZoneWeights = {2, 3, 2}, ZoneMaxRepeats = {2, 2, 2};
    if (l >= 5) Drift = 4.0, Gap = 75;
    if (l >= 6) GroupMode = 2;
    if (l >= 7) Gap = 60, BonusSpacing = 4, ZoneWeights = {1, 3, 2}, ZoneMaxRepeats = {1, 2, 2};
    if (l >= 8) Drift = 5.0;
    if (l >= 9) Gap = 55, ZoneWeights = {1, 2, 2}, ZoneMaxRepeats = {1, 2, 1};
    if (l >= 10)
      Gap = static_cast<int>(std::lround(50.0 - (10.0 / 3.0) * (l - 10.0))), GroupMode = 3;
    Gap = std::max(Gap, 40);
  } else {
    Drift = std::min(2.0 + 3.0 * (Level - 1.0) / 9.0, 5.0);
    Gap = std::max(40, static_cast<int>(std::lround(150.0 - 100.0 * (Level - 1.0) / 9.0)));
    LeftBound = Width;
  }
  if (StormPending) Drift -= 1.0;
}

int CloudsGame::GroupSize() {
  const int r = Random().Int(100);
  switch (GroupMode) {
    case 1:
      return r < 40 ? 3 : (r < 70 ? 4 : 2);
    case 2:
      return r < 10 ? 1 : (r < 40 ? 2 : 3);
    case 3:
      return r < 30 ? 1 : (r < 80 ? 2 : 3);
    default:
      return 1;
  }
}

int CloudsGame::RevealX(const std::string& word) {
  const int z = (RightBound - LeftBound) / 3;
  const int len = static_cast<int>(word.size());
  auto acceptable = [&](int zone) {
    if (ZoneWeights[zone - 1] <= 0) return false;
    if (zone == LastZone && ZoneRepeats >= ZoneMaxRepeats[zone - 1]) return false;
    if (zone == 2 && len >= 14) return false;
    if (zone == 3 && len >= 9) return false;
    return true;
  };
  int zone = 0;
  if (!acceptable(1) && !acceptable(2) && !acceptable(3)) {
    // Nothing is open (a long word while the right zone has had its turns
    // and the left one is closed): the right zone takes any word.
    zone = 1;
  } else {
    const int total = ZoneWeights[0] + ZoneWeights[1] + ZoneWeights[2];
    do {
      const int r = Random().Int(total);
      zone = r < ZoneWeights[0] ? 1 : (r < ZoneWeights[0] + ZoneWeights[1] ? 2 : 3);
    } while (!acceptable(zone));
  }
  int result;
  if (zone == 1)
    result = RightBound - z + Random().Int(z);
  else if (zone == 2)
    result = LeftBound + z + Random().Int(RightBound - 2 * z - LeftBound);
  else
    result = LeftBound + Random().Int(z);
  ZoneRepeats = zone == LastZone ? ZoneRepeats + 1 : 1;
  LastZone = zone;
  return result;
}

int CloudsGame::PlaceCloud(int h) {
  int y = 3;
  const int n = static_cast<int>(Clouds.size());
  for (int attempt = 0; attempt < 100; ++attempt) {
    y = 3 + Random().Int(Height - h - 6);
    bool clear = true;
    for (int i = std::max(0, n - 2); i < n; ++i) {
      const Cloud& other = Clouds[i];
      if (y < other.Y + other.Height(Look) && y + h > other.Y) clear = false;
    }
    if (clear) break;
  }
  return y;
}

void CloudsGame::NewCloud() {
  Cloud c;
  auto nextWord = [&] {
    std::string w = Words().NextWord(true, Random());
    if (w.size() > kMaxWordLength) w.resize(kMaxWordLength);
    return w;
  };
  if (!StormVariant) {
    c.Kind = Cloud::kStormy;
    c.Word = nextWord();
    c.GrayAt = c.DarkAt = Width;
  } else if (GroupLeft > 0) {
    --GroupLeft;
    if (BonusCountdown > 0) {
      c.Kind = Cloud::kPlain;
      --BonusCountdown;
    } else {
      c.Kind = Cloud::kSunny;
      c.Word = nextWord();
      BonusCountdown = Random().Int(3) + BonusSpacing - 1;
      c.GrayAt = c.DarkAt = RevealX(c.Word);
    }
  } else {
    c.Kind = Cloud::kStormy;
    c.Word = nextWord();
    GroupLeft = GroupSize();
    const int r = RevealX(c.Word);
    c.GrayAt = r;
    c.DarkAt = r - 80;
  }
  if (c.Kind == Cloud::kStormy)
    c.Pictures = {kCloudWhite, kCloudGray, kCloudDark};
  else if (c.Kind == Cloud::kSunny)
    c.Pictures = {kCloudWhite, kCloudWhite, kCloudSunny};
  c.TypedPos = 1;
  c.X = Width;
  if (Clouds.empty()) Current = 0;
  c.Y = PlaceCloud(c.Height(Look));
  Clouds.push_back(std::move(c));
}

void CloudsGame::AdjustLevel(const Cloud& cloud) {
  double p = 0;
  if (cloud.Kind == Cloud::kStormy) {
    const double w = cloud.Width(Look);
    p = 1.0 - (cloud.X + w) / (w + cloud.DarkAt);
  }
  LateIndex = LateIndex % 2 + 1;
  if (LateCount == 2)
    LateSum -= Lateness[LateIndex - 1];
  else
    ++LateCount;
  Lateness[LateIndex - 1] = p;
  LateSum += p;
  LateAverage = LateSum / LateCount;
  if (p > 0.97)
    SetLevel(Level);
  else if (p > 0.85)
    SetLevel(Level + 0.03);
  else if (p > 0.65)
    SetLevel(Level + 0.06);
  else if (LateAverage < 0.4 &&
           (cloud.Kind == Cloud::kStormy || (cloud.Kind == Cloud::kSunny && p < 0.4)))
    SetLevel(Level + 0.7 - 1.45 * (cloud.Kind == Cloud::kStormy ? LateAverage : p));
  else
    SetLevel(Level + 0.12);
}

void CloudsGame::MoveClouds(double now) {
  const int step = static_cast<int>(std::lround(Drift));
  for (std::size_t i = 0; i < Clouds.size();) {
    Cloud& c = Clouds[i];
    c.X -= step;
    if (c.X + c.Width(Look) >= 1) {
      ++i;
      continue;
    }
    const Cloud gone = c;
    Clouds.erase(Clouds.begin() + static_cast<std::ptrdiff_t>(i));
    // The selection stays on its cloud: a cloud that left before it moves it
    // down one place; when the selected one left, the next takes its place.
    if (static_cast<int>(i) < Current) --Current;
    if (gone.Kind == Cloud::kStormy) {
      ++MissedCount;
      StormPending = true;
      StormTime = now;
      SetLevel(Level);
      if (MissedCount >= kMaxMissed) {
        End();
        return;
      }
    }
    if (StormVariant && gone.Kind != Cloud::kPlain) AdjustLevel(gone);
  }
  Distance += Drift;
  if (Distance >= Gap) {
    Distance = 0;
    NewCloud();
  }
}

void CloudsGame::Tick(double now) {
  if (State() != kGameRunning) return;
  if (StormPending && (now - StormTime) * kGameTimeUnitsPerDay >= 6.0) {
    StormPending = false;
    SetLevel(Level);
  }
  MoveClouds(now);
}

void CloudsGame::Next() {
  ++Current;
}

void CloudsGame::Previous() {
  --Current;
  if (Current < 0) Current = static_cast<int>(Clouds.size()) - 1;
}

void CloudsGame::Key(char key, double now) {
  (void)now;
  if (State() == kGameNotStarted) {
    Start();
    return;
  }
  const int count = static_cast<int>(Clouds.size());
  const bool moveKey = key == ' ' || key == kGameKeyEnter || key == kGameKeyBackspace;
  if (Current < 0 || Current >= count) {
    // Nothing selected: the moving keys select the first cloud.
    if (moveKey && count > 0) Current = 0;
    return;
  }
  Cloud& s = Clouds[Current];
  const bool command =
      (key == ' ' && s.Complete()) || key == kGameKeyBackspace || key == kGameKeyEnter;
  if (!command) {
    if (key == ' ' && s.TypedPos == 1) {
      Next();
    } else if (s.TypedPos >= 1 && s.TypedPos <= static_cast<int>(s.Word.size())) {
      const char asked = s.Word[s.TypedPos - 1];
      if (AnsiLower(key) == AnsiLower(asked)) {
        ++s.TypedPos;
        Listener().GameKey(asked, false);
      } else {
        Listener().GameSound(kGameSoundWrongKey);
        Listener().GameKey(asked, true);
      }
    } else {
      // A cloud without a word, or one typed to its end, takes no letters.
      Listener().GameSound(kGameSoundWrongKey);
    }
  } else {
    bool caught = false;
    if (s.Complete()) {
      if (StormVariant) {
        const int32_t level = static_cast<int32_t>(Level);
        SetPoints(Points() + (s.Kind == Cloud::kSunny ? 30 : 10) * level);
        const Cloud done = s;
        Clouds.erase(Clouds.begin() + Current);
        AdjustLevel(done);
        caught = true;
      } else {
        s.Kind = Cloud::kPlain;
        s.Word.clear();
        s.Pictures = {kCloudSunny, kCloudSunny, kCloudSunny};
      }
    }
    if (key == kGameKeyBackspace)
      Previous();
    else if (!caught)
      Next();
  }
  if ((key == ' ' || key == kGameKeyEnter) && Current >= static_cast<int>(Clouds.size()))
    Current = 0;
}

}  // namespace tq
