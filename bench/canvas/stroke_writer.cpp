#include "bench/canvas/stroke_writer.h"

#include <algorithm>
#include <cmath>

#include "canvas/vell_view.h"

namespace {

// The main-keyboard digits 1..8 choose the ink.
constexpr unsigned kFirstInkKey = 0x31;
constexpr int kInkKeys = 8;
constexpr double kPi = 3.14159265358979323846;
// Pointer moves between a slow hand (1 px, the brush swells) and a fast one (10 px, it
// thins); the size changes by (5 - distance) / 10 per move, so over a stroke it wanders
// through the whole range instead of settling at one end.
constexpr double kSlowestStep = 1.0;
constexpr double kFastestStep = 10.0;
constexpr int kMargin = 8;
constexpr std::int64_t kLandingDistance = 24;

}  // namespace

CStrokeWriter::CStrokeWriter(CVellView& view, std::uint32_t seed) : view_(view), random_(seed) {}

double CStrokeWriter::Uniform(double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(random_);
}

void CStrokeWriter::WriteUntil(std::int64_t emitted) {
  while (view_.brush.count() < emitted) {
    if (!inStroke_) StartStroke();
    Move(emitted - view_.brush.count());
    if (--movesLeft_ <= 0) EndStroke();
  }
}

void CStrokeWriter::StartStroke() {
  // The first stroke always chooses its ink, so the strokes do not depend on the ink
  // left over from earlier writing.
  if (!inkChosen_ || random_() % 3 == 0) {
    view_.OnKeyDown(kFirstInkKey + random_() % kInkKeys, 1, 0);
    inkChosen_ = true;
  }
  x_ = std::floor(Uniform(kMargin, view_.canvasWidth - kMargin));
  y_ = std::floor(Uniform(kMargin, view_.canvasHeight - kMargin));
  heading_ = Uniform(0, 2 * kPi);
  turn_ = Uniform(-0.08, 0.08);
  phase_ = Uniform(0, 2 * kPi);
  speedRate_ = Uniform(0.05, 0.2);
  movesLeft_ = static_cast<int>(Uniform(30, 120));
  const QPoint start(static_cast<int>(x_), static_cast<int>(y_));
  view_.OnMouseMove(0, start);  // the pen is up and the size tapered: nothing is laid
  view_.OnLButtonDown(MK_LBUTTON, start);
  inStroke_ = true;
}

void CStrokeWriter::Move(std::int64_t maxParticles) {
  phase_ += speedRate_;
  heading_ += turn_;
  const double speed = 0.5 + 0.5 * std::sin(phase_);
  const double step = kSlowestStep + (kFastestStep - kSlowestStep) * speed;
  double nextX = x_ + step * std::cos(heading_);
  double nextY = y_ + step * std::sin(heading_);
  // Turn back at the canvas edges instead of leaving it.
  if (nextX < kMargin || nextX > view_.canvasWidth - kMargin || nextY < kMargin ||
      nextY > view_.canvasHeight - kMargin) {
    heading_ += kPi;
    nextX = std::clamp(x_ + step * std::cos(heading_), 0.0, view_.canvasWidth - 1.0);
    nextY = std::clamp(y_ + step * std::sin(heading_), 0.0, view_.canvasHeight - 1.0);
  }
  // A move of whole-pixel distance d lays d + 1 particles. Near the target, one
  // horizontal move towards the middle lands on it exactly; an ordinary move spans at
  // most 11 whole pixels on each axis (16 particles), so it cannot overshoot before.
  if (maxParticles <= kLandingDistance) {
    const int sign = x_ < view_.canvasWidth / 2 ? 1 : -1;
    nextX = x_ + static_cast<double>(sign * (maxParticles - 1));
    nextY = y_;
  }
  x_ = std::floor(nextX);
  y_ = std::floor(nextY);
  view_.OnMouseMove(MK_LBUTTON, QPoint(static_cast<int>(x_), static_cast<int>(y_)));
}

void CStrokeWriter::Finish() {
  if (inStroke_) EndStroke();
}

void CStrokeWriter::EndStroke() {
  view_.OnLButtonUp(0, QPoint(static_cast<int>(x_), static_cast<int>(y_)));
  // The ticks taper the size to nothing before the pointer travels to the next stroke.
  while (view_.brush.brushSize() > 0.0f) view_.brush.Tick();
  inStroke_ = false;
}

RingLoad WriteFreshStrokes(CVellView& view, std::int64_t emitted) {
  view.brush = InkBrush();
  while (view.brush.count() < emitted) {
    CStrokeWriter writer(view);
    writer.WriteUntil(std::min(emitted, view.brush.count() + kRingSize));
    writer.Finish();
  }
  const DrawRange range = NewestParticles(view.brush);
  RingLoad load{range.end - range.begin, 0, 0};
  for (std::int64_t e = range.begin; e < range.end; ++e) {
    const double size = view.brush.ring(static_cast<int>(e % kRingSize)).size;
    load.meanSize += size;
    load.quadPixels += 4 * size * size;
  }
  if (load.particles > 0) load.meanSize /= static_cast<double>(load.particles);
  return load;
}
