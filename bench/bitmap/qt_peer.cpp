#include <QImage>
#include <QString>
#include <benchmark/benchmark.h>

#include "peers.h"

std::size_t DecodeWithQt(const std::string& path) {
  QImage loaded;
  if (!loaded.load(QString::fromStdString(path))) return 0;
  const QImage rgb = loaded.convertToFormat(QImage::Format_RGB888);
  benchmark::DoNotOptimize(rgb.constBits()[0]);
  return static_cast<std::size_t>(rgb.width()) * rgb.height() * 3;
}
