// The program's icon: a globe, blue sea and green land inside a black outline.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace gpsclock {

// Both images, 32x32 and 16x16: the window's icon and the tray icon.
QIcon GlobeIcon();
// The 32x32 image alone: the About box's picture.
QPixmap GlobePicture();

}  // namespace gpsclock
