#pragma once
// What the three typing games share: their run states, the sounds they ask
// for, the listener that hears what a game does, the seedable generator all
// their chance comes from, the tick gate of the game loop and the name a
// score is entered under.
//
// A game is a deterministic model: its state changes only by Key and Tick,
// its chance comes from its own generator, its time is handed in by the
// caller. The same seed and the same keys at the same ticks give the same
// game.

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace tq {

constexpr int kGameNotStarted = 0;
constexpr int kGameRunning = 1;
constexpr int kGamePaused = 2;
constexpr int kGameOver = 3;

// Sound slots the games play.
constexpr int kGameSoundWrongKey = 3;
constexpr int kGameSoundMissed = 4;

// Key codes the games act on besides characters.
constexpr char kGameKeyBackspace = 8;
constexpr char kGameKeyEnter = 13;

// The drawing surface of every game.
constexpr int kGameSurfaceWidth = 718;
constexpr int kGameSurfaceHeight = 363;

// Date-times are day counts; the games time launches in 1/100000 day.
constexpr double kGameTimeUnitsPerDay = 100000.0;

class GameListener {
 public:
  virtual ~GameListener() = default;
  virtual void GameSound(int slot) { (void)slot; }
  // A key asked for, typed right or wrong (for the difficult keys).
  virtual void GameKey(char asked, bool isError) {
    (void)asked;
    (void)isError;
  }
  // The first key started the game.
  virtual void GameStarted() {}
  // The game ended by its own rules.
  virtual void GameEnded() {}
  // The tick interval changed (milliseconds).
  virtual void GameIntervalChanged(uint32_t ms) { (void)ms; }
};

// Every chance of a game: a Mersenne twister mapped to ranges by plain
// arithmetic, so a seed gives the same game on every platform.
class GameRandom {
 public:
  explicit GameRandom(uint32_t seed = 1) : gen_(seed) {}
  void Seed(uint32_t seed) { gen_.seed(seed); }
  // 0 .. n-1; 0 when n <= 0.
  int Int(int n) { return n <= 0 ? 0 : static_cast<int>(gen_() % static_cast<uint32_t>(n)); }
  // [0, 1).
  double Fraction() { return gen_() / 4294967296.0; }

 private:
  std::mt19937 gen_;
};

// The loop's clock: a tick is due when the interval has passed since the
// last one on the 32-bit millisecond counter, or when the counter wrapped.
class TickGate {
 public:
  void SetInterval(uint32_t ms, uint32_t now) {
    Interval = ms;
    LastTick = now;
  }
  // True (and the tick taken) when a tick is due.
  bool Due(uint32_t now) {
    if (now - LastTick >= Interval || now < LastTick) {
      LastTick = now;
      return true;
    }
    return false;
  }
  // Milliseconds until the next tick is due (0 when due now).
  uint32_t Remaining(uint32_t now) const {
    if (now < LastTick) return 0;
    const uint32_t passed = now - LastTick;
    return passed >= Interval ? 0 : Interval - passed;
  }

  uint32_t Interval = 100;
  uint32_t LastTick = 0;
};

// The name a score is entered under: the signed-in student's, "Tapquill"
// when there is no student record, the "Visitor" text for a visitor.
std::string GamePlayerName(bool hasStudent, std::string_view studentName);

}  // namespace tq
