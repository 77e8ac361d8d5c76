// Random numbers in [0, 1) from a fixed start, so every run draws the same
// sequence.
#pragma once

#include <cstdint>

namespace shell {

// A number in [0, 1) held as a 32-bit binary fraction: bits / 2^32. Whole parts
// of its multiples are then exact integer work.
struct UnitFraction {
  std::uint32_t bits = 0;

  // The whole part of this number times n (exact for every n).
  std::uint32_t WholePartTimes(std::uint32_t n) const {
    return static_cast<std::uint32_t>((std::uint64_t{bits} * n) >> 32);
  }
};

// SplitMix64; each 64-bit output gives two draws, high half first. The flames
// draw three numbers a cell, 28341 a frame, so the cost of a draw counts.
class Random {
 public:
  UnitFraction next() {
    if (spare_) {
      spare_ = false;
      return {static_cast<std::uint32_t>(last_)};
    }
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    last_ = z ^ (z >> 31);
    spare_ = true;
    return {static_cast<std::uint32_t>(last_ >> 32)};
  }
  UnitFraction operator()() { return next(); }

 private:
  std::uint64_t state_ = 0x2545F4914F6CDD1DULL;
  std::uint64_t last_ = 0;
  bool spare_ = false;
};

}  // namespace shell
