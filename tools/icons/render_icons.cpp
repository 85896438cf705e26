// Writes the program's own globe icon as <folder>/<size>x<size>/apps/gpsclock.png for each hicolor
// size the desktop looks up. The globe is drawn pixel by pixel, so the larger sizes repeat its
// pixels where the size is a whole multiple of the 32x32 image and smooth them only otherwise.
// Usage: gpsclock-icons <folder>   (runs on any Qt platform, offscreen included)
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "shell/globe_icon.h"

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};
constexpr int kPictureSize = 32;

QImage GlobeAt(int size) {
  if (size < kPictureSize) return gpsclock::GlobeIcon().pixmap(size).toImage();
  const Qt::TransformationMode mode =
      size % kPictureSize == 0 ? Qt::FastTransformation : Qt::SmoothTransformation;
  return gpsclock::GlobePicture().toImage().scaled(size, size, Qt::IgnoreAspectRatio, mode);
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: gpsclock-icons <folder>\n");
    return 2;
  }
  for (const int size : kSizes) {
    const QString folder =
        QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
    const QImage image = GlobeAt(size);
    if (!QDir().mkpath(folder) || image.size() != QSize(size, size) ||
        !image.save(folder + QStringLiteral("/gpsclock.png"))) {
      std::fprintf(stderr, "gpsclock-icons: cannot write the %dx%d icon in %s\n", size, size,
                   argv[1]);
      return 1;
    }
  }
  return 0;
}
