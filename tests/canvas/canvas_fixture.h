#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "canvas/vell_view.h"

// A canvas view in a window of its own, shown at a given size and exposed, with the
// view's GL context current. Frames are read back from the back buffer after DrawScene.
class CanvasFixture {
 public:
  // `makeView` lets a test make a derived view (for instance one whose surface fails).
  explicit CanvasFixture(int width = 200, int height = 100, CVellView* view = nullptr);
  ~CanvasFixture();

  CVellView& view() { return *view_; }
  // Replaces the sprite with a single white texel, so a particle lays its full colour.
  void UseWhiteSprite();
  // Lays one particle at canvas (x, y) with the pen down: a press, a move to record the
  // position, then a move of distance 0.
  void LayParticleAt(int canvasX, int canvasY);
  // Draws the scene and returns the pixel at canvas (x, y) as 8-bit RGB.
  std::array<int, 3> PixelAt(int canvasX, int canvasY);

 private:
  QWidget window_;
  std::unique_ptr<CVellView> view_;
  unsigned whiteTexture_ = 0;
};

// Expects each channel within `tolerance` of `expected`.
void ExpectRgbNear(std::array<int, 3> actual, std::array<int, 3> expected, int tolerance,
                   const char* what);
