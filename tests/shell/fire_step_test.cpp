#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "shell/fire.h"
#include "shell/random.h"

namespace {

using shell::fireColor;
using shell::fireFrame;
using shell::FireGrid;

constexpr std::uint32_t kPaleYellow = 0x0080FFFF;

struct Pixel {
  int column, row;
  std::uint32_t bgr;
  bool operator==(const Pixel&) const = default;
};

// Plays the same three draws (cooling, rise, jitter) for every cell.
struct ScriptedRandom {
  double draws[3];
  int next = 0;
  shell::UnitFraction operator()() {
    const double r = draws[next++ % 3];  // each a multiple of 2^-32 or near one
    return {static_cast<std::uint32_t>(std::llround(r * 4294967296.0))};
  }
};

template <class Random>
std::vector<Pixel> frameOf(FireGrid& fire, Random& random) {
  std::vector<Pixel> pixels;
  fireFrame(fire, random, [&](int column, int row, std::uint32_t bgr) {
    pixels.push_back({column, row, bgr});
  });
  return pixels;
}

FireGrid seeded() {
  FireGrid fire;
  shell::seedFire(fire);
  return fire;
}

TEST(FireStep, SeedingHeatsOnlyTheFiveBottomRows) {
  FireGrid fire;
  for (int y = 0; y < shell::kFireRows; ++y) {
    for (int x = 0; x < shell::kFireColumns; ++x) fire(x, y) = 7;
  }
  shell::seedFire(fire);
  for (int y = 0; y < shell::kFireRows; ++y) {
    for (int x = 0; x < shell::kFireColumns; ++x) {
      ASSERT_EQ(fire(x, y), y >= 46 ? 50 : 0) << x << "," << y;
    }
  }
}

TEST(FireStep, ColourOfEachHeat) {
  // c = heat * 5.12 rounded down; red 2c, green c, blue c / 2 halves to even; capped at 255.
  const std::pair<int, std::uint32_t> cases[] = {
      {0, 0x00000000},  {1, 0x0002050A},  {3, 0x00080F1E},   {10, 0x001A3366},
      {25, 0x004080FF}, {48, 0x007AF5FF}, {50, kPaleYellow}, {255, 0x00FFFFFF},
  };
  for (auto [heat, bgr] : cases) EXPECT_EQ(fireColor(std::uint8_t(heat)), bgr) << heat;
}

TEST(FireStep, CoolingNeverGoesBelowZero) {
  FireGrid fire = seeded();
  const int heats[] = {0, 1, 2, 3, 50};
  for (int x = 0; x < 5; ++x) fire(x, 10) = std::uint8_t(heats[x]);
  ScriptedRandom coolByTwo{{0.9, 0.0, 0.0}};  // cooling 2, no rise, no jitter
  const std::vector<Pixel> pixels = frameOf(fire, coolByTwo);

  const int cooled[] = {0, 1, 0, 1, 48};
  for (int x = 0; x < 5; ++x) {
    EXPECT_EQ(fire(x, 10), cooled[x]) << x;
    EXPECT_EQ(pixels[std::size_t((50 - 10) * 201 + x)],
              (Pixel{x, 10, fireColor(std::uint8_t(cooled[x]))}));
  }
  // The bottom rows are drawn after cooling and then reset.
  EXPECT_EQ(pixels[0], (Pixel{0, 50, fireColor(48)}));
  EXPECT_EQ(fire(0, 50), 50);
}

TEST(FireStep, HeatClimbsSeveralRowsInOneFrameButNeverIntoTheTopTwo) {
  FireGrid fire = seeded();
  ScriptedRandom riseTwo{{0.0, 0.9, 0.0}};  // no cooling, rise 2
  const std::vector<Pixel> pixels = frameOf(fire, riseTwo);
  for (int y = 0; y < shell::kFireRows; ++y) {
    for (int x = 0; x < shell::kFireColumns; ++x)
      ASSERT_EQ(fire(x, y), y >= 2 ? 50 : 0) << x << "," << y;
  }
  for (const Pixel& p : pixels) ASSERT_EQ(p.bgr, kPaleYellow);
}

TEST(FireStep, JitterRoundsHalvesToEven) {
  const std::pair<double, int> cases[] = {{0.0, 0}, {0.2499, 0}, {0.25, 0}, {0.2501, 1},
                                          {0.5, 1}, {0.7499, 1}, {0.75, 2}, {0.9999, 2}};
  for (auto [r, jitter] : cases) {
    FireGrid fire = seeded();
    ScriptedRandom random{{0.0, 0.0, r}};
    const std::vector<Pixel> pixels = frameOf(fire, random);
    EXPECT_EQ(pixels[200].column, 200 + jitter) << r;  // the last cell of the bottom row
    EXPECT_EQ(pixels[200].row, 50) << r;
  }
}

TEST(FireStep, FirstFrameBurnsPaleYellowAtTheBottom) {
  FireGrid fire = seeded();
  shell::Random random;
  const std::vector<Pixel> pixels = frameOf(fire, random);
  ASSERT_EQ(pixels.size(), 47u * 201u);
  // The bottom row is drawn from 50 cooled by 0, 1 or 2.
  const std::set<std::uint32_t> bottom = {fireColor(48), fireColor(49), kPaleYellow};
  int paleYellow = 0;
  for (int x = 0; x < 201; ++x) {
    ASSERT_TRUE(bottom.count(pixels[std::size_t(x)].bgr)) << x;
    paleYellow += pixels[std::size_t(x)].bgr == kPaleYellow;
  }
  EXPECT_GT(paleYellow, 30);
  EXPECT_LT(paleYellow, 110);
}

TEST(FireStep, DrawnAreaOverManyFrames) {
  FireGrid fire = seeded();
  shell::Random random;
  std::set<int> columns, rows;
  for (int frame = 0; frame < 30; ++frame) {
    for (const Pixel& p : frameOf(fire, random)) {
      columns.insert(p.column);
      rows.insert(p.row);
    }
  }
  EXPECT_EQ(columns.size(), 203u);
  EXPECT_EQ(*columns.begin(), 0);
  EXPECT_EQ(*columns.rbegin(), 202);
  EXPECT_EQ(rows.size(), 47u);
  EXPECT_EQ(*rows.begin(), 4);
  EXPECT_EQ(*rows.rbegin(), 50);
}

TEST(FireStep, SameGeneratorSameFlames) {
  FireGrid first = seeded(), second = seeded();
  shell::Random a, b;
  for (int frame = 0; frame < 20; ++frame)
    ASSERT_EQ(frameOf(first, a), frameOf(second, b)) << frame;
  // And the flames do move.
  EXPECT_NE(frameOf(first, a), frameOf(first, a));
}

TEST(FireStep, DrawingLeavesTheRestOfTheStripAlone) {
  constexpr int kWidth = 207, kHeight = 57;
  constexpr std::uint32_t kUntouched = 0x12345678;
  std::vector<std::uint32_t> strip(std::size_t(kWidth) * kHeight, kUntouched);
  FireGrid fire = seeded();
  shell::Random random;
  for (int frame = 0; frame < 30; ++frame) shell::drawFireFrame(fire, random, strip.data(), kWidth);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const std::uint32_t pixel = strip[std::size_t(y) * kWidth + std::size_t(x)];
      const bool drawn = x <= 202 && y >= 4 && y <= 50;
      ASSERT_EQ(pixel == kUntouched, !drawn) << x << "," << y;
      if (drawn) {
        ASSERT_EQ(pixel >> 24, 0xFFu);
      }
    }
  }
}

}  // namespace
