#pragma once
// A small random number generator of the sample data's own: the standard distributions may
// give other numbers with another library, and the sample's bytes must never change.

#include <cstdint>

namespace mirtote::sample {

class Dice {
 public:
  explicit Dice(uint64_t seed) : state_(seed) {}
  // A number from 0 to n - 1.
  int Below(int n) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((state_ >> 33) % static_cast<uint64_t>(n));
  }

 private:
  uint64_t state_;
};

}  // namespace mirtote::sample
