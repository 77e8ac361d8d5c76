// How long one frame of the fire strip takes: the step of every cell and its
// pixel written into a strip-sized picture. Built on request in Release
// (target fire_benchmark); the tests never run it.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <vector>

#include "shell/fire.h"
#include "shell/random.h"

namespace {

std::atomic<std::uint64_t> allocations{0};

}  // namespace

// Counts every allocation of the process, so a frame that allocates shows.
void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

void fireFrameBenchmark(benchmark::State& state) {
  constexpr int kWidth = 207, kHeight = 57;  // the strip in pixels
  std::vector<std::uint32_t> strip(std::size_t(kWidth) * kHeight, 0xFF000000u);
  shell::FireGrid fire;
  shell::seedFire(fire);
  shell::Random random;
  // Let the flames rise first, so the frames measured are the steady ones.
  for (int frame = 0; frame < 200; ++frame)
    shell::drawFireFrame(fire, random, strip.data(), kWidth);

  const std::uint64_t before = allocations.load();
  for (auto _ : state) {
    shell::drawFireFrame(fire, random, strip.data(), kWidth);
    benchmark::DoNotOptimize(strip.data());
    benchmark::ClobberMemory();
  }
  state.counters["allocs_per_frame"] =
      benchmark::Counter(double(allocations.load() - before), benchmark::Counter::kAvgIterations);
  state.counters["frames_per_s"] =
      benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(fireFrameBenchmark)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
