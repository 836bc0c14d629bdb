#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <memory>

#include "brush/ink_brush.h"
#include "framework/view.h"

class QOpenGLContext;
class QOpenGLPaintDevice;
class QWindow;

// The canvas: the one view of the application, the window the user writes in. It
// turns window events into brush operations, keeps the canvas size and projection in
// step with the window, runs the 30 ms tick, and composes each frame with OpenGL 1.1.
class CVellView : public CView {
 public:
  static constexpr unsigned kTickTimerId = 0;
  static constexpr int kTickPeriodMs = 30;
  static constexpr int kMinCanvasSize = 10;
  static constexpr double kNearPlane = -100.0;
  static constexpr double kFarPlane = 100.0;

  CVellView();
  ~CVellView() override;

  // Surface set-up, each returning whether it succeeded. A failure of either leaves the
  // view without a surface: no tick, no GL, the notice still written.
  virtual bool SetupPixelFormat(QWindow* dc);
  virtual bool CreateRenderContext(QWindow* dc);
  // The brush sprite from Data/Particle.bmp (the built-in sprite when it cannot be read).
  void LoadSpriteTexture();
  // The ink pass and the paper pass into the back buffer.
  void DrawScene();

  void OnDraw(CDC* dc) override;
  int OnCreate(CREATESTRUCT* cs) override;
  void OnDestroy() override;
  void OnSize(unsigned type, int cx, int cy) override;
  void OnLButtonDown(unsigned flags, QPoint point) override;
  void OnLButtonUp(unsigned flags, QPoint point) override;
  void OnMouseMove(unsigned flags, QPoint point) override;
  void OnTimer(unsigned id) override;
  void OnKeyDown(unsigned keyCode, unsigned repeatCount, unsigned flags) override;

  // The four colour commands; they set the ink and are not passed on.
  void OnColourRed();
  void OnColourGreen();
  void OnColourYellow();
  void OnColourBlue();

  // Whether the next tick has something new to show: a particle laid or a new canvas
  // size since the last frame. An unchanged frame is not drawn again (an exposure is
  // painted at once by the window's own paint handling).
  bool FrameIsStale() const;

  InkBrush brush;
  QWindow* windowDC = nullptr;
  int pixelFormat = 0;
  QOpenGLContext* renderContext = nullptr;
  GLuint spriteTexture = 0;
  int canvasWidth = kMinCanvasSize;
  int canvasHeight = kMinCanvasSize;

 protected:
  QPaintDevice* PaintDevice() override;
  void PresentFrame() override;

 private:
  bool MakeCurrent();

  std::unique_ptr<QOpenGLPaintDevice> paintDevice_;
  std::int64_t drawnCount_ = -1;
  int drawnWidth_ = 0;
  int drawnHeight_ = 0;
};
