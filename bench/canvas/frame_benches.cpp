// Frame time of the canvas composition at 1280x720 on the machine's renderer. Each
// frame is timed by hand up to glFinish, so the time is the renderer's work and not
// only the cost of queueing commands.
#include "bench/canvas/frame_timing.h"

#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <cstring>
#include <vector>

#include "bench/canvas/bench_window.h"
#include "bench/canvas/vertex_array_floor.h"

namespace {

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
  CVellView& view = BenchWindow()->view();
  TimeFrames(state, "BM_SceneImmediate", [&] { view.DrawScene(); });
}

// The floor draws the very same picture: the pixels that differ from the immediate-mode
// frame are counted (0 expected), so the two really do the same work.
void BM_SceneVertexArrays(benchmark::State& state) {
  if (!PrepareRing(state, "BM_SceneVertexArrays", kFullRingEmitted)) return;
  CVellView& view = BenchWindow()->view();
  CVertexArrayFloor floor;
  floor.Load(view);
  view.DrawScene();
  const std::vector<unsigned char> immediate = ReadBackBuffer();
  TimeFrames(state, "BM_SceneVertexArrays", [&] { floor.Draw(view); });
  state.counters["pixels_differing"] = PixelsDiffering(immediate, ReadBackBuffer());
}

void BM_EmptyRing(benchmark::State& state) {
  if (!PrepareRing(state, "BM_EmptyRing", 0)) return;
  CVellView& view = BenchWindow()->view();
  TimeFrames(state, "BM_EmptyRing", [&] { view.DrawScene(); });
}

// The view's whole paint path: the scene, the notice written through the paint device,
// and the buffer swap that shows the frame in the window.
void BM_FullFrameRealView(benchmark::State& state) {
  if (!PrepareRing(state, "BM_FullFrameRealView", kFullRingEmitted)) return;
  CVellView& view = BenchWindow()->view();
  TimeFrames(state, "BM_FullFrameRealView", [&] {
    view.PaintNow();
    BenchWindow()->MakeCurrent();  // for the glFinish that ends the frame's clock
  });
}

void BM_FrameAfter10k(benchmark::State& state) {
  if (!PrepareRing(state, "BM_FrameAfter10k", 10'000)) return;
  CVellView& view = BenchWindow()->view();
  TimeFrames(state, "BM_FrameAfter10k", [&] { view.DrawScene(); });
}

// The ring after 1M emitted holds the very particles of the ring after 10k (the strokes
// repeat every ring): same_ring_as_10k = 1 confirms that only the emission count differs.
void BM_FrameAfter1M(benchmark::State& state) {
  if (!PrepareRing(state, "BM_FrameAfter1M", 10'000)) return;
  CVellView& view = BenchWindow()->view();
  const std::vector<InkParticle> after10k(view.brush.ringData(), view.brush.ringData() + kRingSize);
  if (!PrepareRing(state, "BM_FrameAfter1M", 1'000'000)) return;
  state.counters["same_ring_as_10k"] =
      std::memcmp(after10k.data(), view.brush.ringData(), sizeof(InkParticle) * kRingSize) == 0;
  TimeFrames(state, "BM_FrameAfter1M", [&] { view.DrawScene(); });
}

BENCHMARK(BM_SceneImmediate)->Apply(FrameSettings);
BENCHMARK(BM_SceneVertexArrays)->Apply(FrameSettings);
BENCHMARK(BM_EmptyRing)->Apply(FrameSettings);
BENCHMARK(BM_FullFrameRealView)->Apply(FrameSettings);
BENCHMARK(BM_FrameAfter10k)->Apply(FrameSettings);
BENCHMARK(BM_FrameAfter1M)->Apply(FrameSettings);

}  // namespace
