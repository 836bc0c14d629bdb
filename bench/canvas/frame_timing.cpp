#include "bench/canvas/frame_timing.h"

#include <GL/gl.h>

#include <chrono>
#include <vector>

#include "bench/canvas/bench_window.h"
#include "bench/canvas/frame_samples.h"
#include "bench/canvas/stroke_writer.h"

namespace {

CBenchWindow* benchWindow = nullptr;

// Short repetitions (their number is a command-line default, see the main), run
// interleaved in random order: every benchmark then sees the same mix of machine load,
// so their medians compare fairly on a shared machine.
constexpr int kFramesPerRepetition = 4;
constexpr int kWarmUpFrames = 1;

}  // namespace

void SetBenchWindow(CBenchWindow* window) { benchWindow = window; }
CBenchWindow* BenchWindow() { return benchWindow; }

bool PrepareRing(benchmark::State& state, const char* name, std::int64_t emitted) {
  if (!benchWindow || !benchWindow->MakeCurrent()) {
    state.SkipWithError("no GL context");
    return false;
  }
  const RingLoad load = WriteFreshStrokes(benchWindow->view(), emitted);
  state.counters["emitted"] = static_cast<double>(benchWindow->view().brush.count());
  state.counters["particles"] = static_cast<double>(load.particles);
  state.counters["mean_size"] = load.meanSize;
  state.counters["quad_Mpx"] = load.quadPixels / 1e6;
  RecordQuadPixels(name, load.quadPixels);
  return true;
}

void FrameSettings(benchmark::internal::Benchmark* b) {
  b->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(kFramesPerRepetition)
      ->ReportAggregatesOnly(true);
}

double TimeOneFrame(const std::function<void()>& drawFrame) {
  const auto start = std::chrono::steady_clock::now();
  drawFrame();
  glFinish();
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  return elapsed.count();
}

void TimeFrames(benchmark::State& state, const char* name, const std::function<void()>& drawFrame) {
  for (int i = 0; i < kWarmUpFrames; ++i) TimeOneFrame(drawFrame);
  std::vector<double> frameMs;
  for (auto _ : state) {
    const double seconds = TimeOneFrame(drawFrame);
    state.SetIterationTime(seconds);
    frameMs.push_back(seconds * 1000);
    RecordFrameMs(name, seconds * 1000);
  }
  state.counters["median_ms"] = MedianOf(frameMs);
}
