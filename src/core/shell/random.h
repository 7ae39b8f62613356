#pragma once
// The program's one pseudo-random generator. Games and the review builder
// reseed it from the clock; tests seed it with a fixed value.

#include <cstdint>
#include <random>

namespace tq {

std::mt19937& Random();
void Randomize(uint32_t seed);
// A uniform integer in 0 .. n-1 (0 when n <= 0).
int RandomInt(int n);

}  // namespace tq
