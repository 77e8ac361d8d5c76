// Random numbers in [0, 1) from a fixed start, so every run draws the same
// sequence (PCG32: small, fast, and good enough for flames).
#pragma once

#include <cstdint>

namespace platform {

class Random {
 public:
  // Uniform in [0, 1): 32 random bits scaled by 2^-32, so 1 is never reached.
  double Next() {
    const std::uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + kIncrement;
    const auto shifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rotation = static_cast<std::uint32_t>(old >> 59u);
    const std::uint32_t bits = (shifted >> rotation) | (shifted << ((32u - rotation) & 31u));
    return bits * (1.0 / 4294967296.0);
  }
  double operator()() { return Next(); }

 private:
  static constexpr std::uint64_t kIncrement = 1442695040888963407ULL;
  std::uint64_t state_ = 0x853C49E6748FEA9BULL;
};

}  // namespace platform
