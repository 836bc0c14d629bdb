#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;
class QPainter;

// The paint device context handed to OnDraw. Text output follows the window system's
// defaults for a fresh context: the system's fixed font, black text on an opaque white
// cell, the given point at the cell's top-left corner.
class CDC {
 public:
  explicit CDC(QPaintDevice* device);
  ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  // `text` is UTF-8, `byteCount` its length in bytes.
  void TextOut(int x, int y, const char* text, int byteCount);
  // Finishes all drawing into the device (called before the frame is presented).
  void End();

  static QFont SystemFixedFont();

 private:
  QPainter* Painter();

  QPaintDevice* device_;
  QPainter* painter_ = nullptr;
};
