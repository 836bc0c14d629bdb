#pragma once

class CBenchWindow;

// The canvas size every frame benchmark draws at.
inline constexpr int kBenchWidth = 1280;
inline constexpr int kBenchHeight = 720;

// The shown window the frame benchmarks draw into; set before they run.
void SetBenchWindow(CBenchWindow* window);
