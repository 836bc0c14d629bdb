#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>

#include "canvas/vell_view.h"

// The canvas view as the program uses it, with counters around its paint and tick
// handlers so a measurement can tell how many frames were drawn. Optionally it lays one
// particle on every tick, as a hand that keeps writing would.
class CCountingView : public CVellView {
 public:
  void OnDraw(CDC* dc) override;
  void OnTimer(unsigned id) override;

  std::int64_t framesDrawn = 0;
  std::int64_t ticksSeen = 0;
  bool layParticleEveryTick = false;

 private:
  void LayOneParticle();

  int pointerX_ = 100;
  int pointerStep_ = 1;
};

// A top-level window holding one counting view at a fixed client size, shown and
// exposed, the way the program's frame holds its view.
class CBenchWindow {
 public:
  CBenchWindow(int width, int height);
  ~CBenchWindow();

  CCountingView& view() { return *view_; }
  // Makes the view's GL context current; false when the view has no GL surface.
  bool MakeCurrent();
  // Runs the event loop for `ms` milliseconds.
  static void PumpEvents(int ms);

 private:
  QWidget window_;
  std::unique_ptr<CCountingView> view_;
};
