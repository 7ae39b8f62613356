#include "core/games/wordtris.h"

#include <algorithm>

#include "core/files/ansi.h"
#include "core/shell/strings.h"

namespace tq {

WordTrisGame::WordTrisGame(uint32_t seed) : GameModel(seed) {}

std::string WordTrisGame::Prompt() {
  return Str(kStrTrisPrompt) + " ";
}

uint32_t WordTrisGame::ComputeInterval(float speed, std::size_t wordLength) {
  float f = 1.3f + (0.25f - 1.3f) * (speed - 1.0f) / (7.0f - 1.0f);
  f = std::max(f, kMinFallFactor);
  const float len = static_cast<float>(wordLength);
  const float ms = 1000.0f * (len * f + 4.0f * f) / 10.0f;
  return static_cast<uint32_t>(std::max<int64_t>(1, RoundEven(ms)));
}

std::string WordTrisGame::RowText(int row) const {
  if (row < 1 || row > kRows) return std::string();
  const int m = static_cast<int>(Missed.size());
  if (row >= kRows + 1 - m) return Missed[kRows - row];
  if (row == BeamRow) return CurrentWord;
  return std::string();
}

std::string WordTrisGame::Target() const {
  return CurrentWord == Prompt() ? CurrentWord : CurrentWord + " ";
}

void WordTrisGame::NewWord() {
  CurrentWord = Words().NextWord(true, Random());
  ShownWord = CurrentWord;
  ShownTyped = 0;
  TypedPos = 1;
  BeamRow = 1;
  UpdateSpeed();
  interval_ = ComputeInterval(Speed, CurrentWord.size());
  Listener().GameIntervalChanged(interval_);
}

void WordTrisGame::UpdateSpeed() {
  const int h = 9 - static_cast<int>(Missed.size());
  if (CatchRow > kRows) {
    Speed -= 2.0f;
  } else if (CatchRow < h - 5) {
    Speed += 0.65f;
  } else {
    const float p = static_cast<float>(h - CatchRow) / static_cast<float>(h) * 100.0f;
    Speed += 0.18f + (0.65f - 0.18f) * p / 100.0f;
  }
  Speed = std::clamp(Speed, kMinSpeed, kMaxSpeed);
}

void WordTrisGame::Key(char key, double now) {
  (void)now;
  if (State() == kGameNotStarted) {
    // The first key starts the game; it is not typed into the word.
    NewWord();
    Start();
    return;
  }
  if (State() != kGameRunning) return;
  std::string target = Target();
  if (TypedPos < 1 || TypedPos > static_cast<int>(target.size())) return;
  const char expected = target[TypedPos - 1];
  if (key != expected) {
    Listener().GameSound(kGameSoundWrongKey);
    Listener().GameKey(expected, true);
    return;
  }
  Listener().GameKey(expected, false);
  ++TypedPos;
  ++ShownTyped;
  if (TypedPos == static_cast<int>(target.size())) {
    // Only the closing Space is left: the beam asks for it.
    CurrentWord = Prompt();
    target = CurrentWord;
    TypedPos = static_cast<int>(target.size());
  }
  if (TypedPos == static_cast<int>(target.size()) + 1) {
    SetPoints(Points() + 10 * static_cast<int32_t>(Speed));
    CatchRow = BeamRow;
    NewWord();
  }
}

void WordTrisGame::Tick(double now) {
  (void)now;
  if (State() != kGameRunning) return;
  ++BeamRow;
  if (BeamRow <= kRows - static_cast<int>(Missed.size())) return;
  BeamRow = 0;
  Missed.push_back(CurrentWord);
  CatchRow = kRows + 1;
  if (static_cast<int>(Missed.size()) >= kMaxMissed) {
    End();
    return;
  }
  Listener().GameSound(kGameSoundMissed);
  NewWord();
}

}  // namespace tq
