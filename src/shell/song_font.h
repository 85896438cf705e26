// The Song face of the program's Chinese texts.
#pragma once

#include <QFont>

namespace gpsclock {

// SimSun where it is installed, else the Song faces Debian ships, named so that fontconfig does
// not mix a sans Latin face into the Chinese text.
QFont SongFont(int pointSize);

}  // namespace gpsclock
