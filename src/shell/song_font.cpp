// AR PL SungtiL GB comes closest to SimSun's metrics: its ASCII digits are half-width and fixed,
// so the clock texts keep their width.
#include "shell/song_font.h"

#include <QStringList>

namespace gpsclock {

QFont SongFont(int pointSize) {
  QFont font;
  font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("AR PL SungtiL GB"),
                    QStringLiteral("Noto Serif CJK SC")});
  font.setPointSize(pointSize);
  font.setWeight(QFont::Normal);
  return font;
}

}  // namespace gpsclock
