#pragma once

#include <QPoint>
#include <functional>
#include <map>
#include <memory>

#include "framework/cmd_target.h"
#include "framework/create_struct.h"

class CDC;
class CDocument;
class QBackingStore;
class QKeyEvent;
class QPaintDevice;
class QTimer;
class QWidget;
class QWindow;

// Mouse-button and modifier flags passed to the mouse handlers.
inline constexpr unsigned MK_LBUTTON = 0x0001;
inline constexpr unsigned MK_SHIFT = 0x0004;
inline constexpr unsigned MK_CONTROL = 0x0008;

// Key codes of the numeric keypad's digits. They differ from the main keyboard's digit
// codes (0x30..0x39), so no handler mistakes a keypad digit for a main-keyboard one.
inline constexpr unsigned VK_NUMPAD0 = 0x60;

// The view base: a native window of its own (a QWindow inside a window container, so a
// GL frame is presented without an extra compositing pass) whose window events arrive
// at the handlers below. A derived view may turn the window into an OpenGL surface
// during OnCreate; otherwise it paints through a raster backing store.
class CView : public CCmdTarget {
 public:
  CView();
  ~CView() override;

  // Makes the window inside `parent` and runs OnCreate; false when OnCreate failed.
  bool Create(QWidget* parent, CREATESTRUCT& cs);
  // Runs OnDestroy once and releases the window.
  void DestroyWindow();

  QWidget* widget() const { return container_; }
  QWindow* surface() const;
  CDocument* GetDocument() const { return document_; }
  void SetDocument(CDocument* document) { document_ = document; }

  // Repaint request without background erase; the frame comes at the next update.
  void Invalidate();
  // Repeating timer delivered to OnTimer on the GUI thread.
  void SetTimer(unsigned id, int periodMs);
  bool HasTimer(unsigned id) const { return timers_.count(id) != 0; }

  // Called by the frame for every key press before the view sees it; returns true when
  // the key was an accelerator and has been handled.
  std::function<bool(QKeyEvent*)> preTranslateKey;

  virtual void OnInitialUpdate();

  // Window-event handlers. Defaults do nothing (the framework's default processing).
  virtual bool PreCreateWindow(CREATESTRUCT& cs);
  virtual int OnCreate(CREATESTRUCT* cs);
  virtual void OnDestroy();
  virtual void OnSize(unsigned type, int cx, int cy);
  virtual void OnLButtonDown(unsigned flags, QPoint point);
  virtual void OnLButtonUp(unsigned flags, QPoint point);
  virtual void OnMouseMove(unsigned flags, QPoint point);
  virtual void OnTimer(unsigned id);
  virtual void OnKeyDown(unsigned keyCode, unsigned repeatCount, unsigned flags);
  virtual void OnKeyUp(unsigned keyCode, unsigned repeatCount, unsigned flags);
  // Paint-time drawing into `dc`, called from the window's paint handling.
  virtual void OnDraw(CDC* dc) = 0;

  // Paint now, as the window system's paint message would.
  void PaintNow();

 protected:
  // Where OnDraw's text goes: a derived view with a GL surface returns a paint device on
  // its back buffer; null means the raster backing store.
  virtual QPaintDevice* PaintDevice();
  // Shows the finished frame (after OnDraw and its text): GL views swap buffers.
  virtual void PresentFrame();

 private:
  class Surface;
  friend class Surface;
  void DeliverKeyPress(QKeyEvent* event);

  QWidget* container_ = nullptr;
  Surface* surface_ = nullptr;
  CDocument* document_ = nullptr;
  std::unique_ptr<QBackingStore> backingStore_;
  std::map<unsigned, QTimer*> timers_;
  bool destroyed_ = false;
};

// Translates a Qt key event into the key code the handlers receive: main-keyboard
// digits and letters keep their character codes (whatever Shift does to the symbol),
// keypad digits become VK_NUMPAD0 + n.
unsigned VirtualKeyCode(const QKeyEvent& event);
