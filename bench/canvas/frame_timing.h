#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>

class CBenchWindow;

// The canvas size every frame benchmark draws at.
inline constexpr int kBenchWidth = 1280;
inline constexpr int kBenchHeight = 720;
// Far past one ring, so the drawn range wraps around the ring as in a long session.
inline constexpr std::int64_t kFullRingEmitted = 25'000;

// The shown window the frame benchmarks draw into; set before they run.
void SetBenchWindow(CBenchWindow* window);
CBenchWindow* BenchWindow();

// Fresh strokes in the bench window's view (`emitted` particles), its context current,
// the ring's load reported as counters under `name`. Skips the state on failure.
bool PrepareRing(benchmark::State& state, const char* name, std::int64_t emitted);

// Timed by hand, many short repetitions, aggregates only.
void FrameSettings(benchmark::internal::Benchmark* b);

// Draws one frame and waits for the renderer to finish it; returns the seconds taken.
double TimeOneFrame(const std::function<void()>& drawFrame);

// Times each frame of `drawFrame` up to glFinish, records it under `name` for the
// summary and reports the repetition's median as well.
void TimeFrames(benchmark::State& state, const char* name, const std::function<void()>& drawFrame);
