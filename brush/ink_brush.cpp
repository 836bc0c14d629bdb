#include "brush/ink_brush.h"

#include <algorithm>
#include <cmath>

namespace {

// Brush size bounds while the pen is down, and the size a press starts from.
constexpr float kMinDrawingSize = 2.0f;
constexpr float kMaxDrawingSize = 8.0f;
constexpr float kPressSize = 1.0f;

}  // namespace

void InkBrush::PenDown() {
  penDown_ = true;
  brushSize_ = kPressSize;
}

void InkBrush::PenUp() { penDown_ = false; }

void InkBrush::PenMove(std::int32_t pointerX, std::int32_t pointerY, std::int32_t canvasWidth,
                       std::int32_t canvasHeight) {
  // A stroke never starts from a position the pointer never had: the first move only
  // records where the pointer is.
  if (brushSize_ > 0.0f && hasLast_) {
    // Previous minus new position; 64-bit so extreme client coordinates cannot overflow.
    const float dx = static_cast<float>(std::int64_t{lastX_} - pointerX);
    const float dy = static_cast<float>(std::int64_t{lastY_} - pointerY);
    const float squared = static_cast<float>(double{dx} * dx + double{dy} * dy);
    const float dist = static_cast<float>(std::sqrt(double{squared}));
    const std::int64_t n = static_cast<std::int64_t>(dist) + 1;

    // A move of distance 0 lays its single particle on the previous position (which is
    // also the new one) instead of at 0/0.
    const double ux = dist > 0.0f ? dx / double{dist} : 0.0;
    const double uy = dist > 0.0f ? dy / double{dist} : 0.0;
    const std::int64_t originX = std::int64_t{lastX_} - canvasWidth / 2;
    const std::int64_t originY = canvasHeight / 2 - std::int64_t{lastY_};
    LayRun(static_cast<double>(originX), static_cast<double>(originY), ux, uy, n);

    if (penDown_) {
      float size = static_cast<float>(double{brushSize_} - (double{dist} - 5.0) / 10.0);
      if (size > kMaxDrawingSize) size = kMaxDrawingSize;
      if (size < kMinDrawingSize) size = kMinDrawingSize;
      brushSize_ = size;
    }
  }
  lastX_ = pointerX;
  lastY_ = pointerY;
  hasLast_ = true;
}

// Particle i lies at origin + i * (ux, -uy): away from the new position, canvas y up.
void InkBrush::LayRun(double originX, double originY, double ux, double uy, std::int64_t n) {
  // Of a run longer than the ring only its last kRingSize particles survive (the earlier
  // ones are overwritten by the run itself), so only those are written.
  const std::int64_t skipped = std::max<std::int64_t>(0, n - kRingSize);
  count_ += skipped;
  int slot = static_cast<int>(count_ % kRingSize);
  for (std::int64_t i = skipped; i < n; ++i) {
    InkParticle& p = ring_[slot];
    p.x = static_cast<float>(originX + static_cast<double>(i) * ux);
    p.y = static_cast<float>(originY - static_cast<double>(i) * uy);
    p.size = brushSize_;
    p.red = inkRed_;
    p.green = inkGreen_;
    p.blue = inkBlue_;
    if (++slot == kRingSize) slot = 0;
  }
  count_ += n - skipped;
}

void InkBrush::Tick() {
  if (penDown_) return;
  const double size = double{brushSize_};
  const float tapered = static_cast<float>(size - (size * 0.3 + 1.0));
  brushSize_ = tapered < 0.0f ? 0.0f : tapered;
}

void InkBrush::SetInk(float red, float green, float blue) {
  inkRed_ = red;
  inkGreen_ = green;
  inkBlue_ = blue;
}

DrawRange NewestParticles(const InkBrush& brush) {
  const std::int64_t end = brush.count();
  return {std::max(brush.first(), end - kRingSize), end};
}
