// PenMove throughput against the floor: a plain loop writing the same number of
// 24-byte particles into a ring of the same size.
#include <benchmark/benchmark.h>

#include <memory>

#include "brush/ink_brush.h"

namespace {

// Short moves of 1..5 units, as a slow hand gives; the pen stays down.
void BM_PenMoveShort(benchmark::State& state) {
  auto brush = std::make_unique<InkBrush>();
  brush->PenMove(0, 0, 1280, 720);
  brush->PenDown();
  int x = 0;
  int step = 0;
  for (auto _ : state) {
    const int d = 1 + (step++ % 5);
    x = (x > 600) ? 0 : x + d;
    brush->PenMove(x, 300, 1280, 720);
  }
  state.SetItemsProcessed(brush->count());
  benchmark::DoNotOptimize(brush->ringData());
}
BENCHMARK(BM_PenMoveShort);

// Long moves of 1000 units back and forth across a large view.
void BM_PenMoveLong(benchmark::State& state) {
  auto brush = std::make_unique<InkBrush>();
  brush->PenMove(0, 0, 1280, 720);
  brush->PenDown();
  bool right = true;
  for (auto _ : state) {
    brush->PenMove(right ? 1000 : 0, 0, 1280, 720);
    right = !right;
  }
  state.SetItemsProcessed(brush->count());
  benchmark::DoNotOptimize(brush->ringData());
}
BENCHMARK(BM_PenMoveLong);

// The floor: 1001 particles (one long move's worth) written straight into a ring.
void BM_RingWriteFloor(benchmark::State& state) {
  auto ring = std::make_unique<InkParticle[]>(kRingSize);
  std::int64_t count = 0;
  float size = 2.0f;
  for (auto _ : state) {
    int slot = static_cast<int>(count % kRingSize);
    for (int i = 0; i < 1001; ++i) {
      ring[slot] = InkParticle{static_cast<float>(i), 1.0f, size, 0.2f, 0.2f, 0.2f};
      if (++slot == kRingSize) slot = 0;
    }
    count += 1001;
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(count);
  benchmark::DoNotOptimize(ring.get());
}
BENCHMARK(BM_RingWriteFloor);

}  // namespace

BENCHMARK_MAIN();
