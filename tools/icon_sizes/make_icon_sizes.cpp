// Writes the application icon in the sizes of the freedesktop "hicolor" icon theme:
//   vell_icon_sizes INPUT.ico OUTPUT_ROOT NAME SIZE...
// makes OUTPUT_ROOT/<SIZE>x<SIZE>/apps/<NAME>.png for every SIZE, each scaled from the
// largest image the .ico holds. The build runs it on the committed icon 128, so the
// desktop's icons always show the same picture as the window's.

#include <QImage>
#include <QImageReader>
#include <QDir>
#include <QString>

#include <cstdio>

namespace {

// The largest image of the file (an .ico may hold several sizes), as 32-bit ARGB.
QImage LargestImage(const QString& path) {
  QImageReader reader(path);
  QImage best;
  const int count = qMax(1, reader.imageCount());
  for (int i = 0; i < count; ++i) {
    if (i > 0 && !reader.jumpToImage(i)) break;
    const QImage image = reader.read();
    if (!image.isNull() && image.width() * image.height() > best.width() * best.height()) best = image;
  }
  if (best.isNull()) {
    std::fprintf(stderr, "vell_icon_sizes: cannot read %s: %s\n", qPrintable(path),
                 qPrintable(reader.errorString()));
  }
  return best.convertToFormat(QImage::Format_ARGB32);
}

bool WriteSize(const QImage& source, const QString& root, const QString& name, int size) {
  const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "vell_icon_sizes: cannot make %s\n", qPrintable(folder));
    return false;
  }
  // Smooth scaling averages the source pixels when shrinking, so thin lines of the
  // picture fade instead of breaking up at the small sizes.
  const QImage scaled = size == source.width()
                            ? source
                            : source.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
  if (!scaled.save(path, "PNG")) {
    std::fprintf(stderr, "vell_icon_sizes: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: vell_icon_sizes INPUT.ico OUTPUT_ROOT NAME SIZE...\n");
    return 2;
  }
  const QImage source = LargestImage(QString::fromLocal8Bit(argv[1]));
  if (source.isNull()) return 1;
  const QString root = QString::fromLocal8Bit(argv[2]);
  const QString name = QString::fromLocal8Bit(argv[3]);
  for (int i = 4; i < argc; ++i) {
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[i]).toInt(&isNumber);
    if (!isNumber || size < 1 || size > 1024) {
      std::fprintf(stderr, "vell_icon_sizes: not an icon size: %s\n", argv[i]);
      return 2;
    }
    if (!WriteSize(source, root, name, size)) return 1;
  }
  return 0;
}
