#pragma once

#include <cstdint>

#include "brush/ink_particle.h"

// Number of particle slots: only the newest kRingSize particles remain.
inline constexpr int kRingSize = 10000;

// The brush state and its fixed ring of particles. The view drives it from window
// events; nothing here allocates, fails or knows about windows, clocks or GL.
//
// Pointer positions come in client coordinates (pixels from the top-left, y down);
// particles are laid in canvas coordinates (origin at the centre, y up).
class InkBrush {
 public:
  InkBrush() = default;

  void PenDown();
  void PenUp();
  // Lays the run of particles from the previous pointer position, adapts the size
  // while the pen is down, and records the new position.
  void PenMove(std::int32_t pointerX, std::int32_t pointerY, std::int32_t canvasWidth,
               std::int32_t canvasHeight);
  // Tapers the size while the pen is up.
  void Tick();

  void SetInk(float red, float green, float blue);
  // The colour menu commands 32771..32774; other ids change nothing.
  void ApplyInkCommand(unsigned commandId);
  // The main-keyboard digit keys 0x31..0x38; other codes change nothing.
  void ApplyInkKey(unsigned keyCode);

  bool penDown() const { return penDown_; }
  float brushSize() const { return brushSize_; }
  std::int32_t lastX() const { return lastX_; }
  std::int32_t lastY() const { return lastY_; }
  // False until the first PenMove has recorded a position.
  bool hasLastPosition() const { return hasLast_; }
  float inkRed() const { return inkRed_; }
  float inkGreen() const { return inkGreen_; }
  float inkBlue() const { return inkBlue_; }
  // Emission index at which drawing starts; always 0.
  std::int64_t first() const { return first_; }
  // Particles laid since the brush was made. 64 bits wide, so it cannot overflow in
  // any real lifetime of a window (2^31 would be reached after hours of writing).
  std::int64_t count() const { return count_; }
  // Slot k (0 <= k < kRingSize) holds the newest particle whose emission index e has
  // e mod kRingSize == k.
  const InkParticle& ring(int slot) const { return ring_[slot]; }
  const InkParticle* ringData() const { return ring_; }

 private:
  void LayRun(double originX, double originY, double stepX, double stepY, std::int64_t n);

  bool penDown_ = false;
  float brushSize_ = 0.0f;
  std::int32_t lastX_ = 0;
  std::int32_t lastY_ = 0;
  bool hasLast_ = false;
  float inkRed_ = 0.2f;
  float inkGreen_ = 0.2f;
  float inkBlue_ = 0.2f;
  std::int64_t first_ = 0;
  std::int64_t count_ = 0;
  InkParticle ring_[kRingSize];
};

// The emission index range a frame draws: the newest min(count, kRingSize) particles,
// oldest first, so each slot is drawn exactly once however long the brush has lived.
struct DrawRange {
  std::int64_t begin;
  std::int64_t end;
};
DrawRange NewestParticles(const InkBrush& brush);
