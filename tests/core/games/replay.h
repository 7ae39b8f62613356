#pragma once
// Recorded games: a player policy plays a game tick by tick and every key it
// presses is written down with its tick; the recording is then replayed into
// a fresh game of the same seed. Time moves by the game's interval a tick.

#include <functional>
#include <string>
#include <vector>

#include "core/games/game_model.h"

namespace tq::test {

struct KeyAt {
  int tick;
  char key;
  bool operator==(const KeyAt&) const = default;
};

constexpr double kReplayStart = 46000.5;

inline double TickTime(double start, double elapsedMs) {
  return start + elapsedMs / 86400000.0;
}

// Keys the policy presses before tick t (it looks at the game as it is).
using Policy = std::function<std::string(GameModel& game, int tick)>;

// Plays until the game is over or maxTicks; returns the keys pressed.
inline std::vector<KeyAt> Record(GameModel& game, const Policy& policy, int maxTicks) {
  std::vector<KeyAt> keys;
  double elapsed = 0;
  for (int t = 0; t < maxTicks && game.State() != kGameOver; ++t) {
    for (char k : policy(game, t)) {
      keys.push_back({t, k});
      game.Key(k, TickTime(kReplayStart, elapsed));
    }
    elapsed += game.Interval();
    game.Tick(TickTime(kReplayStart, elapsed));
  }
  return keys;
}

inline void Replay(GameModel& game, const std::vector<KeyAt>& keys, int maxTicks) {
  std::size_t next = 0;
  double elapsed = 0;
  for (int t = 0; t < maxTicks && game.State() != kGameOver; ++t) {
    for (; next < keys.size() && keys[next].tick == t; ++next)
      game.Key(keys[next].key, TickTime(kReplayStart, elapsed));
    elapsed += game.Interval();
    game.Tick(TickTime(kReplayStart, elapsed));
  }
}

// Counts what a game tells its listener.
struct CountingListener : GameListener {
  void GameSound(int slot) override { sounds.push_back(slot); }
  void GameKey(char asked, bool isError) override {
    (isError ? errors : hits) += std::string(1, asked);
  }
  void GameStarted() override { ++started; }
  void GameEnded() override { ++ended; }
  std::vector<int> sounds;
  std::string hits, errors;
  int started = 0, ended = 0;
};

}  // namespace tq::test
