// Frame time of the canvas composition at 1280x720 on the machine's renderer. Each
// frame is timed by hand up to glFinish, so the time is the renderer's work and not
// only the cost of queueing commands.
#include "bench/canvas/frame_benches.h"

#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <chrono>
#include <vector>

#include "bench/canvas/bench_window.h"
#include "bench/canvas/frame_samples.h"
#include "bench/canvas/stroke_writer.h"
#include "bench/canvas/vertex_array_floor.h"

namespace {

CBenchWindow* benchWindow = nullptr;

constexpr int kFramesPerRepetition = 12;
constexpr int kRepetitions = 6;
constexpr int kWarmUpFrames = 3;
// Far past one ring, so the drawn range wraps around the ring as in a long session.
constexpr std::int64_t kFullRingEmitted = 25'000;

// Fresh strokes in the view, its context current; the state is skipped on failure.
bool PrepareRing(benchmark::State& state, const char* name, std::int64_t emitted) {
  if (!benchWindow || !benchWindow->MakeCurrent()) {
    state.SkipWithError("no GL context");
    return false;
  }
  const RingLoad load = WriteFreshStrokes(benchWindow->view(), emitted);
  state.counters["particles"] = static_cast<double>(load.particles);
  state.counters["mean_size"] = load.meanSize;
  state.counters["quad_Mpx"] = load.quadPixels / 1e6;
  RecordQuadPixels(name, load.quadPixels);
  return true;
}

// Times each frame of `drawFrame` up to glFinish; records it for the summary and
// reports the repetition's median as well.
template <typename DrawFrame>
void TimeFrames(benchmark::State& state, const char* name, DrawFrame drawFrame) {
  for (int i = 0; i < kWarmUpFrames; ++i) {
    drawFrame();
    glFinish();
  }
  std::vector<double> frameMs;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    drawFrame();
    glFinish();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(elapsed.count());
    frameMs.push_back(elapsed.count() * 1000);
    RecordFrameMs(name, elapsed.count() * 1000);
  }
  state.counters["median_ms"] = MedianOf(frameMs);
}

// The whole back buffer as RGBA, after the last frame drawn into it.
std::vector<unsigned char> ReadBackBuffer() {
  std::vector<unsigned char> pixels(static_cast<size_t>(kBenchWidth) * kBenchHeight * 4);
  glFinish();
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kBenchWidth, kBenchHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  return pixels;
}

double PixelsDiffering(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
  double differing = 0;
  for (size_t i = 0; i + 3 < a.size(); i += 4) {
    if (a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2]) ++differing;
  }
  return differing;
}

void BM_SceneImmediate(benchmark::State& state) {
  if (!PrepareRing(state, "BM_SceneImmediate", kFullRingEmitted)) return;
  CVellView& view = benchWindow->view();
  TimeFrames(state, "BM_SceneImmediate", [&] { view.DrawScene(); });
}

// The floor draws the very same picture: the pixels that differ from the immediate-mode
// frame are counted (0 expected), so the two really do the same work.
void BM_SceneVertexArrays(benchmark::State& state) {
  if (!PrepareRing(state, "BM_SceneVertexArrays", kFullRingEmitted)) return;
  CVellView& view = benchWindow->view();
  CVertexArrayFloor floor;
  floor.Load(view);
  view.DrawScene();
  const std::vector<unsigned char> immediate = ReadBackBuffer();
  TimeFrames(state, "BM_SceneVertexArrays", [&] { floor.Draw(view); });
  state.counters["pixels_differing"] = PixelsDiffering(immediate, ReadBackBuffer());
}

void BM_EmptyRing(benchmark::State& state) {
  if (!PrepareRing(state, "BM_EmptyRing", 0)) return;
  CVellView& view = benchWindow->view();
  TimeFrames(state, "BM_EmptyRing", [&] { view.DrawScene(); });
}

// The view's whole paint path: the scene, the notice written through the paint device,
// and the buffer swap that shows the frame in the window.
void BM_FullFrameRealView(benchmark::State& state) {
  if (!PrepareRing(state, "BM_FullFrameRealView", kFullRingEmitted)) return;
  CVellView& view = benchWindow->view();
  TimeFrames(state, "BM_FullFrameRealView", [&] {
    view.PaintNow();
    benchWindow->MakeCurrent();  // for the glFinish that ends the frame's clock
  });
}

void BM_FrameAfter10k(benchmark::State& state) {
  if (!PrepareRing(state, "BM_FrameAfter10k", 10'000)) return;
  CVellView& view = benchWindow->view();
  TimeFrames(state, "BM_FrameAfter10k", [&] { view.DrawScene(); });
}

void BM_FrameAfter1M(benchmark::State& state) {
  if (!PrepareRing(state, "BM_FrameAfter1M", 1'000'000)) return;
  CVellView& view = benchWindow->view();
  TimeFrames(state, "BM_FrameAfter1M", [&] { view.DrawScene(); });
}

void FrameSettings(benchmark::internal::Benchmark* b) {
  b->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(kFramesPerRepetition)
      ->Repetitions(kRepetitions)
      ->ReportAggregatesOnly(true);
}

BENCHMARK(BM_SceneImmediate)->Apply(FrameSettings);
BENCHMARK(BM_SceneVertexArrays)->Apply(FrameSettings);
BENCHMARK(BM_EmptyRing)->Apply(FrameSettings);
BENCHMARK(BM_FullFrameRealView)->Apply(FrameSettings);
BENCHMARK(BM_FrameAfter10k)->Apply(FrameSettings);
BENCHMARK(BM_FrameAfter1M)->Apply(FrameSettings);

}  // namespace

void SetBenchWindow(CBenchWindow* window) { benchWindow = window; }
