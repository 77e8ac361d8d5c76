// The fire strip's heat grid and one frame of it, apart from any window: the
// step says which pixel gets which colour, the caller puts it somewhere.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "shell/random.h"

namespace shell {

constexpr int kFireColumns = 201;  // x from 0 to 200
constexpr int kFireRows = 51;      // y from 0 (top) to 50
constexpr std::uint8_t kFireSeed = 50;
constexpr int kFireSeedTop = 46;  // rows 46 to 50 are reset to kFireSeed
constexpr int kFireDrawnTop = 4;  // rows above it are never drawn
// A cell's pixel moves right by up to 2, so the strip needs 203 columns.
constexpr int kFireDrawnColumns = kFireColumns + 2;

class FireGrid {
 public:
  std::uint8_t& operator()(int x, int y) { return cells_[std::size_t(y) * kFireColumns + x]; }
  std::uint8_t operator()(int x, int y) const { return cells_[std::size_t(y) * kFireColumns + x]; }

 private:
  std::array<std::uint8_t, std::size_t(kFireColumns) * kFireRows> cells_{};
};

// Every cell 0, then the bottom rows at kFireSeed.
void seedFire(FireGrid& fire);

// 0x00BBGGRR of a cell of this heat: c = heat * 5.12 rounded down, then red 2c,
// green c, blue c / 2 (halves to even), each part capped at 255.
std::uint32_t fireColor(std::uint8_t heat);

namespace detail {
struct FireColorTable {
  std::array<std::uint32_t, 256> bgr;
};
extern const FireColorTable kFireColors;
}  // namespace detail

// One frame: cools, lifts and draws every cell of rows 50 up to 4, then resets
// the bottom rows. random() gives numbers in [0, 1) as UnitFraction,
// three per cell (cooling, rise, jitter, in that order); plot(column, row, bgr)
// draws one pixel. Allocates nothing.
template <class RandomSource, class Plot>
void fireFrame(FireGrid& fire, RandomSource& random, Plot&& plot) {
  for (int y = kFireRows - 1; y >= kFireDrawnTop; --y) {
    for (int x = 0; x < kFireColumns; ++x) {
      std::uint8_t& cell = fire(x, y);
      // Cooling that would go below 0 is skipped: the cell keeps its heat.
      // (Written without branches: the draws cannot be predicted.)
      const auto cooling = static_cast<int>(UnitFraction(random()).WholePartTimes(3));
      cell = static_cast<std::uint8_t>(cell - (cell >= cooling ? cooling : 0));
      const auto rise = static_cast<int>(UnitFraction(random()).WholePartTimes(3));
      fire(x, y - rise) = cell;
      // x + 2r to the nearest whole number, a half going to the even neighbour:
      // exactly 0.25 gives x, exactly 0.75 gives x + 2.
      const std::uint32_t r = UnitFraction(random()).bits;
      const int jitter = int(r > 0x40000000u) + int(r >= 0xC0000000u);
      plot(x + jitter, y, detail::kFireColors.bgr[cell]);
    }
  }
  for (int x = 0; x < kFireColumns; ++x) {
    for (int y = kFireSeedTop; y < kFireRows; ++y) fire(x, y) = kFireSeed;
  }
}

// One frame drawn onto 32-bit pixels laid out red, green, blue, unused byte
// (0xFFBBGGRR as a little-endian word), `stride` pixels a row; the rows and
// columns the grid never reaches are left as they are.
void drawFireFrame(FireGrid& fire, Random& random, std::uint32_t* pixels, std::ptrdiff_t stride);

}  // namespace shell
