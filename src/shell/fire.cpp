#include "shell/fire.h"

#include <algorithm>
#include <bit>

namespace shell {
namespace detail {
namespace {

constexpr std::uint32_t colorOfHeat(int heat) {
  const int c = 128 * heat / 25;
  const int half = c / 2 + ((c % 2 != 0 && (c / 2) % 2 != 0) ? 1 : 0);
  const auto part = [](int value) { return static_cast<std::uint32_t>(std::min(value, 255)); };
  return part(2 * c) | part(c) << 8 | part(half) << 16;
}

constexpr FireColorTable makeTable() {
  FireColorTable table{};
  for (int heat = 0; heat < 256; ++heat) table.bgr[std::size_t(heat)] = colorOfHeat(heat);
  return table;
}

}  // namespace

constexpr FireColorTable kFireColors = makeTable();

}  // namespace detail

void seedFire(FireGrid& fire) {
  fire = FireGrid();
  for (int y = kFireSeedTop; y < kFireRows; ++y) {
    for (int x = 0; x < kFireColumns; ++x) fire(x, y) = kFireSeed;
  }
}

std::uint32_t fireColor(std::uint8_t heat) { return detail::kFireColors.bgr[heat]; }

void drawFireFrame(FireGrid& fire, Random& random, std::uint32_t* pixels, std::ptrdiff_t stride) {
  static_assert(std::endian::native == std::endian::little, "pixels are written as words");
  // A local copy of the generator stays in registers: the byte stores into the
  // grid could otherwise alias its state and force it through memory each draw.
  Random local = random;
  fireFrame(fire, local, [pixels, stride](int column, int row, std::uint32_t bgr) {
    pixels[row * stride + column] = 0xFF000000u | bgr;
  });
  random = local;
}

}  // namespace shell
