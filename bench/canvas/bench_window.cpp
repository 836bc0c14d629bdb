#include "bench/canvas/bench_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QOpenGLContext>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <cstdio>

void CCountingView::OnDraw(CDC* dc) {
  ++framesDrawn;
  CVellView::OnDraw(dc);
}

void CCountingView::OnTimer(unsigned id) {
  ++ticksSeen;
  if (layParticleEveryTick) LayOneParticle();
  CVellView::OnTimer(id);
}

// One short move with the pen down, back and forth along a row: one new particle and
// a changed frame per tick.
void CCountingView::LayOneParticle() {
  if (!brush.penDown()) {
    OnMouseMove(0, QPoint(pointerX_, canvasHeight / 2));
    OnLButtonDown(MK_LBUTTON, QPoint(pointerX_, canvasHeight / 2));
  }
  if (pointerX_ + pointerStep_ < 10 || pointerX_ + pointerStep_ > canvasWidth - 10) {
    pointerStep_ = -pointerStep_;
  }
  pointerX_ += pointerStep_;
  OnMouseMove(MK_LBUTTON, QPoint(pointerX_, canvasHeight / 2));
}

CBenchWindow::CBenchWindow(int width, int height) : view_(std::make_unique<CCountingView>()) {
  window_.setWindowTitle(QStringLiteral("canvas bench"));
  CREATESTRUCT cs;
  if (!view_->Create(&window_, cs)) std::fprintf(stderr, "canvas_bench: the view was not created\n");
  auto* layout = new QVBoxLayout(&window_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_->widget());
  window_.resize(width, height);
  window_.show();
  // Wait for the exposure and the resize to reach the view, then let it settle.
  QElapsedTimer waited;
  waited.start();
  while (!(view_->surface() && view_->surface()->isExposed()) && waited.elapsed() < 5000) {
    PumpEvents(10);
  }
  PumpEvents(200);
  if (view_->canvasWidth != width || view_->canvasHeight != height) {
    std::fprintf(stderr, "canvas_bench: canvas is %dx%d, not %dx%d\n", view_->canvasWidth,
                 view_->canvasHeight, width, height);
  }
}

CBenchWindow::~CBenchWindow() { view_->DestroyWindow(); }

bool CBenchWindow::MakeCurrent() {
  return view_->renderContext && view_->renderContext->makeCurrent(view_->surface());
}

void CBenchWindow::PumpEvents(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}
