// The globe's XPM text as Qt pixmaps.
#include "shell/globe_icon.h"

#include "shell/layout/globe_picture.h"

namespace gpsclock {

QIcon GlobeIcon() {
  QIcon icon;
  icon.addPixmap(QPixmap(kGlobe32));
  icon.addPixmap(QPixmap(kGlobe16));
  return icon;
}

QPixmap GlobePicture() {
  return QPixmap(kGlobe32);
}

}  // namespace gpsclock
