// The goals' ratios from frames drawn back to back, in alternating order: both frames of
// a pair meet the same load on a shared machine, so the median of the pairs' ratios holds
// still where medians of separately timed frames drift with whatever else is running.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "bench/canvas/bench_window.h"
#include "bench/canvas/frame_samples.h"
#include "bench/canvas/frame_timing.h"
#include "bench/canvas/vertex_array_floor.h"

namespace {

struct FrameKind {
  std::function<void()> setUp;  // outside the clock
  std::function<void()> draw;
};

void TimePairs(benchmark::State& state, const char* comparison, const FrameKind& a,
               const FrameKind& b) {
  for (const FrameKind* kind : {&a, &b}) {
    kind->setUp();
    TimeOneFrame(kind->draw);
  }
  std::vector<double> ratios;
  bool aFirst = true;
  for (auto _ : state) {
    double seconds[2] = {};
    for (int i = 0; i < 2; ++i) {
      const bool drawA = (i == 0) == aFirst;
      const FrameKind& kind = drawA ? a : b;
      kind.setUp();
      seconds[drawA ? 0 : 1] = TimeOneFrame(kind.draw);
    }
    aFirst = !aFirst;
    state.SetIterationTime(seconds[0] + seconds[1]);
    ratios.push_back(seconds[0] / seconds[1]);
    RecordPairRatio(comparison, ratios.back());
  }
  state.counters["median_ratio"] = MedianOf(ratios);
}

void Nothing() {}

void BM_PairImmediateVsVertexArrays(benchmark::State& state) {
  if (!PrepareRing(state, "BM_PairImmediateVsVertexArrays", kFullRingEmitted)) return;
  CVellView& view = BenchWindow()->view();
  CVertexArrayFloor floor;
  floor.Load(view);
  TimePairs(state, "immediate mode / vertex-array floor", {Nothing, [&] { view.DrawScene(); }},
            {Nothing, [&] { floor.Draw(view); }});
}

void BM_PairRealViewVsScene(benchmark::State& state) {
  if (!PrepareRing(state, "BM_PairRealViewVsScene", kFullRingEmitted)) return;
  CBenchWindow& window = *BenchWindow();
  CVellView& view = window.view();
  const auto realFrame = [&] {
    view.PaintNow();
    window.MakeCurrent();  // for the glFinish that ends the frame's clock
  };
  TimePairs(state, "real view frame / bare scene", {Nothing, realFrame},
            {Nothing, [&] { view.DrawScene(); }});
}

// The two brushes hold the same ring (the strokes repeat every ring) and differ only in
// how many particles they have emitted.
void BM_PairAfter1MVs10k(benchmark::State& state) {
  if (!PrepareRing(state, "BM_PairAfter1MVs10k", 10'000)) return;
  CVellView& view = BenchWindow()->view();
  const auto after10k = std::make_unique<InkBrush>(view.brush);
  if (!PrepareRing(state, "BM_PairAfter1MVs10k", 1'000'000)) return;
  const auto after1M = std::make_unique<InkBrush>(view.brush);
  TimePairs(state, "after 1M emitted / after 10k emitted",
            {[&] { view.brush = *after1M; }, [&] { view.DrawScene(); }},
            {[&] { view.brush = *after10k; }, [&] { view.DrawScene(); }});
}

BENCHMARK(BM_PairImmediateVsVertexArrays)->Apply(FrameSettings);
BENCHMARK(BM_PairRealViewVsScene)->Apply(FrameSettings);
BENCHMARK(BM_PairAfter1MVs10k)->Apply(FrameSettings);

}  // namespace
