#pragma once

#include <cstdint>
#include <random>

class CVellView;

// Writes handwriting-like strokes into a view through its own mouse and key handlers:
// curved strokes spread over the whole canvas, slow and fast stretches (so the brush
// size moves over its whole range, 2 to 8), a different ink now and then, the pen lifted
// and the size tapered off between strokes. The same seed gives the same strokes.
class CStrokeWriter {
 public:
  explicit CStrokeWriter(CVellView& view, std::uint32_t seed = 20240611u);

  // Writes until exactly `emitted` particles have been laid since the brush was made
  // (the last move is cut to the length that lands on it).
  void WriteUntil(std::int64_t emitted);
  // Lifts the pen and lets the size taper off, as the hand leaves the canvas.
  void Finish();

 private:
  void StartStroke();
  void EndStroke();
  // One pointer move of the current stroke, at most `maxParticles` particles long.
  void Move(std::int64_t maxParticles);
  double Uniform(double low, double high);

  CVellView& view_;
  std::mt19937 random_;
  bool inStroke_ = false;
  bool inkChosen_ = false;
  int movesLeft_ = 0;
  double x_ = 0, y_ = 0;
  double heading_ = 0, turn_ = 0;
  double phase_ = 0, speedRate_ = 0;
};

// What a frame of the ring has to draw: its particles, their mean half side, and the
// pixels their quads cover (overlaps counted), which is what the rasteriser pays for.
struct RingLoad {
  std::int64_t particles;
  double meanSize;
  double quadPixels;
};

// Starts the view's brush afresh and writes strokes until exactly `emitted` particles
// have been laid; the pen is up and the size tapered off afterwards. The strokes repeat
// every kRingSize particles, so every full ring holds the same particles however many
// were emitted before: frames after 10,000 and after 1,000,000 draw the same picture.
RingLoad WriteFreshStrokes(CVellView& view, std::int64_t emitted);
