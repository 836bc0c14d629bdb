#include "framework/view.h"

#include <QBackingStore>
#include <QExposeEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cmath>

#include "framework/dc.h"

// The view's native window: forwards window-system events to the view's handlers.
class CView::Surface : public QWindow {
 public:
  explicit Surface(CView* view) : view_(view) {}

 protected:
  void exposeEvent(QExposeEvent*) override {
    // A GL window must be painted synchronously when it is exposed.
    if (isExposed()) view_->PaintNow();
  }
  bool event(QEvent* event) override {
    if (event->type() == QEvent::UpdateRequest) {
      view_->PaintNow();
      return true;
    }
    return QWindow::event(event);
  }
  void resizeEvent(QResizeEvent* event) override {
    const qreal ratio = devicePixelRatio();
    view_->OnSize(0, qRound(event->size().width() * ratio), qRound(event->size().height() * ratio));
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) view_->OnLButtonDown(Flags(event), ClientPoint(event));
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    // The window system keeps delivering to the window that took the press, so a
    // release outside the view still ends the stroke.
    if (event->button() == Qt::LeftButton) view_->OnLButtonUp(Flags(event), ClientPoint(event));
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    view_->OnMouseMove(Flags(event), ClientPoint(event));
  }
  void keyPressEvent(QKeyEvent* event) override { view_->DeliverKeyPress(event); }
  void keyReleaseEvent(QKeyEvent* event) override {
    view_->OnKeyUp(VirtualKeyCode(*event), 1, 0);
  }

 private:
  QPoint ClientPoint(const QMouseEvent* event) const {
    const QPointF p = event->position() * devicePixelRatio();
    return QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
  }
  static unsigned Flags(const QMouseEvent* event) {
    unsigned flags = 0;
    if (event->buttons() & Qt::LeftButton) flags |= MK_LBUTTON;
    if (event->modifiers() & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (event->modifiers() & Qt::ControlModifier) flags |= MK_CONTROL;
    return flags;
  }

  CView* view_;
};

unsigned VirtualKeyCode(const QKeyEvent& event) {
  const int key = event.key();
  const bool digit = key >= Qt::Key_0 && key <= Qt::Key_9;
  if (event.modifiers() & Qt::KeypadModifier) {
    return digit ? VK_NUMPAD0 + static_cast<unsigned>(key - Qt::Key_0)
                 : 0x01000000u | static_cast<unsigned>(key & 0xFFFF);
  }
  if (digit || (key >= Qt::Key_A && key <= Qt::Key_Z)) return static_cast<unsigned>(key);
  // Shift turns the digit row into symbols; the X11 key codes 10..19 are that row
  // (1..9, then 0), so Shift+1 reports the same key as 1.
  const quint32 scan = event.nativeScanCode();
  if (scan >= 10 && scan <= 19) return scan == 19 ? 0x30u : 0x31u + (scan - 10);
  return static_cast<unsigned>(key);
}

CView::CView() = default;

QWindow* CView::surface() const { return surface_; }

// A derived view must call DestroyWindow in its own destructor too: from here only
// CView::OnDestroy is reachable.
CView::~CView() { DestroyWindow(); }

bool CView::Create(QWidget* parent, CREATESTRUCT& cs) {
  if (!PreCreateWindow(cs)) return false;
  surface_ = new Surface(this);
  surface_->setSurfaceType(QSurface::RasterSurface);
  container_ = QWidget::createWindowContainer(surface_, parent);
  container_->setFocusPolicy(Qt::StrongFocus);
  container_->setMinimumSize(1, 1);
  if (OnCreate(&cs) == -1) {
    delete container_;  // also deletes the surface it holds
    container_ = nullptr;
    surface_ = nullptr;
    return false;
  }
  return true;
}

void CView::DestroyWindow() {
  if (destroyed_ || !container_) return;
  destroyed_ = true;
  for (auto& [id, timer] : timers_) timer->stop();
  OnDestroy();
  backingStore_.reset();
  for (auto& [id, timer] : timers_) delete timer;
  timers_.clear();
  delete container_;
  container_ = nullptr;
  surface_ = nullptr;
}

void CView::Invalidate() {
  if (surface_) surface_->requestUpdate();
}

void CView::SetTimer(unsigned id, int periodMs) {
  if (destroyed_) return;  // a destroyed window takes no timer
  QTimer*& timer = timers_[id];
  if (!timer) {
    timer = new QTimer();
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, [this, id] { OnTimer(id); });
  }
  timer->start(periodMs);
}

void CView::PaintNow() {
  if (!surface_ || !surface_->isExposed()) return;
  if (QPaintDevice* device = PaintDevice()) {
    CDC dc(device);
    OnDraw(&dc);
    dc.End();  // the text must be in the frame before it is shown
    PresentFrame();
    return;
  }
  // No GL surface: paint through the raster backing store.
  if (surface_->surfaceType() != QSurface::RasterSurface) return;
  if (!backingStore_) backingStore_ = std::make_unique<QBackingStore>(surface_);
  const QRect area(QPoint(0, 0), surface_->size());
  backingStore_->resize(surface_->size());
  backingStore_->beginPaint(area);
  {
    QPaintDevice* device = backingStore_->paintDevice();
    QPainter(device).fillRect(area, Qt::black);
    CDC dc(device);
    OnDraw(&dc);
  }
  backingStore_->endPaint();
  backingStore_->flush(area);
}

void CView::DeliverKeyPress(QKeyEvent* event) {
  if (preTranslateKey && preTranslateKey(event)) return;
  OnKeyDown(VirtualKeyCode(*event), 1, 0);
}

QPaintDevice* CView::PaintDevice() { return nullptr; }
void CView::PresentFrame() {}
void CView::OnInitialUpdate() { Invalidate(); }
bool CView::PreCreateWindow(CREATESTRUCT&) { return true; }
int CView::OnCreate(CREATESTRUCT*) { return 0; }
void CView::OnDestroy() {}
void CView::OnSize(unsigned, int, int) {}
void CView::OnLButtonDown(unsigned, QPoint) {}
void CView::OnLButtonUp(unsigned, QPoint) {}
void CView::OnMouseMove(unsigned, QPoint) {}
void CView::OnTimer(unsigned) {}
void CView::OnKeyDown(unsigned, unsigned, unsigned) {}
void CView::OnKeyUp(unsigned, unsigned, unsigned) {}
