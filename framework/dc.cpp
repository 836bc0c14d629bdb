#include "framework/dc.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

CDC::CDC(QPaintDevice* device) : device_(device) {}

CDC::~CDC() { End(); }

QFont CDC::SystemFixedFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

QPainter* CDC::Painter() {
  if (!painter_ && device_) {
    painter_ = new QPainter(device_);
    painter_->setFont(SystemFixedFont());
    painter_->setPen(Qt::black);
  }
  return painter_;
}

void CDC::TextOut(int x, int y, const char* text, int byteCount) {
  QPainter* painter = Painter();
  if (!painter) return;
  const QString line = QString::fromUtf8(text, byteCount);
  const QFontMetrics metrics(painter->font());
  // The cell: the line's advance by the font's full height, filled before the glyphs.
  const QRect cell(x, y, metrics.horizontalAdvance(line), metrics.height());
  painter->fillRect(cell, Qt::white);
  painter->drawText(QPoint(x, y + metrics.ascent()), line);
}

void CDC::End() {
  if (painter_) {
    painter_->end();
    delete painter_;
    painter_ = nullptr;
  }
}
