#include "bench/canvas/idle_cpu.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <cstdio>

#include "bench/canvas/bench_window.h"
#include "bench/canvas/frame_timing.h"
#include "bench/canvas/stroke_writer.h"

namespace {

struct PhaseResult {
  double wallSeconds;
  double cpuSeconds;  // user + system, all threads of the process (the renderer's too)
  std::int64_t ticks;
  std::int64_t frames;
  std::int64_t particlesLaid;
};

double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

PhaseResult MeasurePhase(CCountingView& view, double seconds) {
  view.framesDrawn = 0;
  view.ticksSeen = 0;
  const std::int64_t countBefore = view.brush.count();
  const double cpuBefore = ProcessCpuSeconds();
  const auto wallBefore = std::chrono::steady_clock::now();
  CBenchWindow::PumpEvents(static_cast<int>(seconds * 1000));
  const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallBefore;
  return {wall.count(), ProcessCpuSeconds() - cpuBefore, view.ticksSeen, view.framesDrawn,
          view.brush.count() - countBefore};
}

void PrintPhase(const char* what, const PhaseResult& r) {
  std::printf("  %-34s %6.2f s wall %7.3f s CPU %6.1f %% %5lld ticks %5lld frames %6lld laid\n",
              what, r.wallSeconds, r.cpuSeconds, 100.0 * r.cpuSeconds / r.wallSeconds,
              static_cast<long long>(r.ticks), static_cast<long long>(r.frames),
              static_cast<long long>(r.particlesLaid));
}

}  // namespace

int RunIdleCpuMeasurement(double seconds) {
  CBenchWindow window(kBenchWidth, kBenchHeight);
  CCountingView& view = window.view();
  if (!window.MakeCurrent()) {
    std::fprintf(stderr, "canvas_bench: the view has no GL context\n");
    return 1;
  }
  WriteFreshStrokes(view, 25'000);
  // Let the next ticks show the full ring, so the idle phase starts from a drawn frame.
  view.framesDrawn = 0;
  CBenchWindow::PumpEvents(300);
  if (view.framesDrawn == 0) {
    std::fprintf(stderr, "canvas_bench: the view never drew the new strokes\n");
    return 1;
  }

  const PhaseResult idle = MeasurePhase(view, seconds);
  view.layParticleEveryTick = true;
  const PhaseResult active = MeasurePhase(view, seconds);

  std::printf("Window of %dx%d with a full ring (%d particles), 30 ms tick, "
              "CPU as %% of one core:\n", view.canvasWidth, view.canvasHeight, kRingSize);
  PrintPhase("idle (no input)", idle);
  PrintPhase("active (a particle every tick)", active);
  if (idle.ticks == 0 || active.ticks == 0) {
    std::fprintf(stderr, "canvas_bench: the tick did not run\n");
    return 1;
  }
  return 0;
}
