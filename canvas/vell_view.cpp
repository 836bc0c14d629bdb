#include "canvas/vell_view.h"

#include <QOpenGLContext>
#include <QOpenGLPaintDevice>
#include <QSurfaceFormat>
#include <QWindow>

#include "brush/ink_colours.h"

CVellView::CVellView() {
  OnCommand(kInkCommandRed, &CVellView::OnColourRed);
  OnCommand(kInkCommandGreen, &CVellView::OnColourGreen);
  OnCommand(kInkCommandYellow, &CVellView::OnColourYellow);
  OnCommand(kInkCommandBlue, &CVellView::OnColourBlue);
}

CVellView::~CVellView() { DestroyWindow(); }

int CVellView::OnCreate(CREATESTRUCT* cs) {
  if (CView::OnCreate(cs) == -1) return -1;
  windowDC = surface();
  if (SetupPixelFormat(windowDC) && CreateRenderContext(windowDC)) {
    LoadSpriteTexture();
    SetTimer(kTickTimerId, kTickPeriodMs);
  } else if (windowDC->surfaceType() != QSurface::RasterSurface) {
    // Live without a surface: the window goes back to raster so the notice can still be
    // written into it.
    windowDC->destroy();
    windowDC->setSurfaceType(QSurface::RasterSurface);
  }
  return 0;
}

bool CVellView::SetupPixelFormat(QWindow* dc) {
  // RGBA 8/8/8 without alpha, depth, stencil 8, double-buffered, with the fixed-function
  // pipeline available. The window system picks its closest configuration, so there is
  // no separate "no match" case: either the window gets a GL surface or it fails.
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setRedBufferSize(8);
  format.setGreenBufferSize(8);
  format.setBlueBufferSize(8);
  format.setAlphaBufferSize(0);
  format.setDepthBufferSize(24);
  format.setStencilBufferSize(8);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  // The 30 ms tick paces the frames; a swap must not wait for the display on top.
  format.setSwapInterval(0);
  dc->setSurfaceType(QSurface::OpenGLSurface);
  dc->setFormat(format);
  dc->create();
  pixelFormat = dc->handle() ? 1 : 0;
  return dc->handle() != nullptr;
}

bool CVellView::CreateRenderContext(QWindow* dc) {
  auto context = std::make_unique<QOpenGLContext>();
  context->setFormat(dc->requestedFormat());
  if (!context->create()) return false;
  renderContext = context.release();
  return renderContext->makeCurrent(dc);
}

bool CVellView::MakeCurrent() {
  return renderContext && windowDC && renderContext->makeCurrent(windowDC);
}

void CVellView::OnDestroy() {
  CView::OnDestroy();
  if (renderContext) {
    MakeCurrent();
    paintDevice_.reset();  // holds GL resources of the context
    renderContext->doneCurrent();
    delete renderContext;
    renderContext = nullptr;
  }
}

void CVellView::OnSize(unsigned type, int cx, int cy) {
  CView::OnSize(type, cx, cy);
  canvasWidth = cx < kMinCanvasSize ? kMinCanvasSize : cx;
  canvasHeight = cy < kMinCanvasSize ? kMinCanvasSize : cy;
  if (!MakeCurrent()) return;
  glViewport(0, 0, canvasWidth, canvasHeight);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // Integer halves: an odd size loses its odd pixel in the halves.
  const int halfWidth = canvasWidth / 2;
  const int halfHeight = canvasHeight / 2;
  glOrtho(-halfWidth, halfWidth, -halfHeight, halfHeight, kNearPlane, kFarPlane);
  glMatrixMode(GL_MODELVIEW);
}

void CVellView::OnLButtonDown(unsigned flags, QPoint point) {
  brush.PenDown();
  CView::OnLButtonDown(flags, point);
}

void CVellView::OnLButtonUp(unsigned flags, QPoint point) {
  brush.PenUp();
  CView::OnLButtonUp(flags, point);
}

void CVellView::OnMouseMove(unsigned flags, QPoint point) {
  brush.PenMove(point.x(), point.y(), canvasWidth, canvasHeight);
  CView::OnMouseMove(flags, point);
}

void CVellView::OnTimer(unsigned id) {
  brush.Tick();
  // A hidden window is painted when it is exposed again, not on every tick.
  if (FrameIsStale() && windowDC && windowDC->isExposed()) Invalidate();
  CView::OnTimer(id);
}

bool CVellView::FrameIsStale() const {
  return brush.count() != drawnCount_ || canvasWidth != drawnWidth_ ||
         canvasHeight != drawnHeight_;
}

void CVellView::OnKeyDown(unsigned keyCode, unsigned repeatCount, unsigned flags) {
  brush.ApplyInkKey(keyCode);
  CView::OnKeyDown(keyCode, repeatCount, flags);
}

void CVellView::OnColourRed() { brush.ApplyInkCommand(kInkCommandRed); }
void CVellView::OnColourGreen() { brush.ApplyInkCommand(kInkCommandGreen); }
void CVellView::OnColourYellow() { brush.ApplyInkCommand(kInkCommandYellow); }
void CVellView::OnColourBlue() { brush.ApplyInkCommand(kInkCommandBlue); }

QPaintDevice* CVellView::PaintDevice() {
  if (!MakeCurrent()) return nullptr;
  const QSize size = windowDC->size() * windowDC->devicePixelRatio();
  if (!paintDevice_) paintDevice_ = std::make_unique<QOpenGLPaintDevice>(size);
  paintDevice_->setSize(size);
  paintDevice_->setDevicePixelRatio(windowDC->devicePixelRatio());
  return paintDevice_.get();
}

void CVellView::PresentFrame() {
  if (renderContext) renderContext->swapBuffers(windowDC);
}
