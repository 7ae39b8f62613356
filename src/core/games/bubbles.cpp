#include "core/games/bubbles.h"

#include <algorithm>
#include <cmath>

namespace tq {

void Bubble::Launch(int speed) {
  Alive = true;
  RiseSpeed = speed;
  LaunchSpeed = speed;
  Char = 0;
}

void Bubble::Move(double factor) {
  if (!Alive) return;
  Phase = (Phase + 1) % 4;
  Y -= static_cast<int>(std::lround(RiseSpeed * SpeedFactor * factor));
  if (Y + Size < 1) Kill();
}

BubblesGame::BubblesGame(const std::string& charSet, double now, uint32_t seed, int width,
                         int height)
    : GameModel(seed),
      CharSet(charSet.empty() ? std::string(kDefaultCharSet) : charSet),
      Width(width),
      Height(height) {
  if (CharSet.size() > 255) CharSet.resize(255);
  LastLaunch = now;
  LastDecoration = now;
  const int n = static_cast<int>(CharSet.size());
  ScoreDivisor = n < 7 ? 4 : (n >= 10 ? 1 : 2);
  ColumnChars.assign(kColumns, kNoChar);
  const int w = (Width - 10) / kColumns;
  for (int i = 0; i < kColumns; ++i) Columns[i].X = i * w + 5;
}

int BubblesGame::BaseSpeed() const {
  const int s = static_cast<int>(std::lround(3.0 + (11.0 - 3.0) * (Level - 1.0) / 9.0));
  return std::min(s, 13);
}

char BubblesGame::PickChar(int column) {
  const int n = static_cast<int>(CharSet.size());
  const int p = 1 + Random().Int(n);
  const bool up = Random().Fraction() > 0.5;
  auto free = [&](int pos) { return ColumnChars.find(CharSet[pos - 1]) == std::string::npos; };
  char found = 0;
  for (int pass = 0; pass < 2 && !found; ++pass) {
    const bool goingUp = pass == 0 ? up : !up;
    // Both directions run to the end of the set, so the first character is
    // as reachable as the others.
    for (int pos = p; pos >= 1 && pos <= n; pos += goingUp ? 1 : -1)
      if (free(pos)) {
        found = CharSet[pos - 1];
        break;
      }
  }
  if (!found) found = CharSet[Random().Int(n)];
  ColumnChars[column] = found;
  return found;
}

void BubblesGame::AddPopHeight(int y) {
  HeightIndex = HeightIndex % 4 + 1;
  if (HeightCount == 4)
    HeightSum -= Heights[HeightIndex - 1];
  else
    ++HeightCount;
  Heights[HeightIndex - 1] = y;
  HeightSum += y;
  HeightAverage = static_cast<int>(std::lround(static_cast<double>(HeightSum) / HeightCount));
  const int h = Height;
  if (HeightAverage > h - 80)
    Level += 0.5 - 0.4 * (h - HeightAverage) / 80.0;
  else if (HeightAverage > h - 120)
    Level += 0.07;
  else
    Level += 0.008;
  Level = std::max(Level, 1.0);
  LaunchInterval = 1.5 + (0.55 - 1.5) * (Level - 1.0) / 9.0;
}

void BubblesGame::Key(char key, double now) {
  (void)now;
  if (State() == kGameNotStarted) {
    Start();
    return;
  }
  bool popped = false;
  for (std::size_t c = ColumnChars.find(key); key != kNoChar && c != std::string::npos;
       c = ColumnChars.find(key)) {
    Bubble& b = Columns[c];
    ColumnChars[c] = kNoChar;
    const int kindBonus = b.Kind == 3 ? 13 : (b.Kind == 2 ? 8 : 3);
    b.Kill();
    const int32_t add = (2 * static_cast<int32_t>(Level) + kindBonus) / ScoreDivisor;
    SetPoints(std::min(Points() + add, kMaxPoints));
    if (!ErrorPending) Listener().GameKey(key, false);
    ErrorPending = false;
    AddPopHeight(b.Y);
    popped = true;
  }
  if (!popped && State() == kGameRunning) {
    Listener().GameSound(kGameSoundWrongKey);
    SetPoints(std::max(0, Points() - 2 * static_cast<int32_t>(Level)));
    ErrorPending = true;
  }
}

void BubblesGame::Tick(double now) {
  if (State() != kGameRunning) return;
  const bool launchDue = (now - LastLaunch) * kGameTimeUnitsPerDay >= LaunchInterval;
  std::vector<int> freeColumns;
  for (int i = 0; i < kColumns; ++i) {
    Bubble& b = Columns[i];
    if (!b.Alive) {
      freeColumns.push_back(i);
      continue;
    }
    b.Move(1.0);
    if (b.Alive) continue;
    AddPopHeight(-30);
    ColumnChars[i] = kNoChar;
    ++MissedCount;
    if (MissedCount >= kMaxMissed) {
      End();
      return;
    }
    Listener().GameSound(kGameSoundMissed);
  }
  if (launchDue && !freeColumns.empty()) {
    const int column = freeColumns[Random().Int(static_cast<int>(freeColumns.size()))];
    Bubble& b = Columns[column];
    const double r = Random().Fraction() * 10.0;
    const int base = BaseSpeed();
    if (r >= 9.6) {
      b.Kind = 3;
      b.Size = 50;
      b.Launch(static_cast<int>(std::lround(base * 1.5)));
    } else if (r >= 8.0) {
      b.Kind = 2;
      b.Size = 45;
      b.Launch(static_cast<int>(std::lround(base * 1.2)));
    } else {
      b.Kind = 1;
      b.Size = 40;
      b.Launch(base);
    }
    b.Y = Height;
    b.Char = PickChar(column);
    LastLaunch = now;
  }
  if ((now - LastDecoration) * kGameTimeUnitsPerDay >= DecorationInterval) {
    Bubble d;
    d.Decoration = 1;
    d.Size = 4 + Random().Int(5);
    d.X = Random().Int(Width - d.Size);
    d.Launch(d.Size - 2);
    d.Y = Height;
    Decorations.push_back(d);
    LastDecoration = now;
  }
  for (Bubble& d : Decorations) d.Move(1.0);
  std::erase_if(Decorations, [](const Bubble& d) { return !d.Alive; });
}

}  // namespace tq
