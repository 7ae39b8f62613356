#include "core/shell/random.h"

namespace tq {

std::mt19937& Random() {
  static std::mt19937 generator(20080504u);
  return generator;
}

void Randomize(uint32_t seed) {
  Random().seed(seed);
}

int RandomInt(int n) {
  if (n <= 0) return 0;
  return std::uniform_int_distribution<int>(0, n - 1)(Random());
}

}  // namespace tq
