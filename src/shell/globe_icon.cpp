// The globe in 16 colours as XPM text, compiled into the program.
#include "shell/globe_icon.h"

namespace gpsclock {
namespace {

// clang-format off
// The large image fills its corners black.
const char* const kGlobe32[] = {
    "32 32 7 1",
    "b c #0000FF",
    "c c #00FFFF",
    "g c #008000",
    "k c #000000",
    "l c #00FF00",
    "n c #000080",
    "o c #808000",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
    "kkkkkkkkkkkknnnnnnnnkkkkkkkkkkkk",
    "kkkkkkkkknnnnnnnnnnnnnnkkkkkkkkk",
    "kkkkkkkknnnnnnnnnnnnnnnnkkkkkkkk",
    "kkkkkknnnnnccccbbbbbbnnnnnkkkkkk",
    "kkkkknnnncccccccbbbbbbbnnnnkkkkk",
    "kkkknnnnccccccccbbbgggggonnnkkkk",
    "kkkknnllllllccccbggggggggoonkkkk",
    "kkknlllllllllccclgggggggggonnkkk",
    "kknnllllllllllcclggggggggggonnkk",
    "kknnllllllllllcclggggggggggnnnkk",
    "kknnllllllllllcccgggggggggbbnnkk",
    "knnncllllllllcccbbbbgbbbbbbbnnnk",
    "knnnccllllllccccbbbgggbbbbbbnnnk",
    "knnncccccllllccbbbgggggbbbbbnnnk",
    "knnnbccclllllcbbbbgggggbbbbbnnnk",
    "knnnbbbbllllgbbbbgggggggbbbbnnnk",
    "knnnbbbbggggggbbbgggggggbbbbnnnk",
    "knnnbbbbggggggbbbgggggggbbbbnnnk",
    "knnnbbbbggggggbbbgggggggbbbbnnnk",
    "kknnbbbbgggggbbbbbgggggbbbbbnnkk",
    "kknnnbbbbggggbbbbbgggggbbggnnnkk",
    "kknnnbbbbggggbbbbbbgggbbgggnnnkk",
    "kkknnnbbbgggbbbbbbbbbbbbggoonkkk",
    "kkkknnnbbbbbbbbbbbbbbbbbboonkkkk",
    "kkkknnnnbbbbbbbggggbbbbbnnnnkkkk",
    "kkkkknnnnbbbbbbggggbbbbnnnnkkkkk",
    "kkkkkknnnnnbbbbbbbbbbnnnnnkkkkkk",
    "kkkkkkkknnnnnnnnnnnnnnnnkkkkkkkk",
    "kkkkkkkkknnnnnnnnnnnnnnkkkkkkkkk",
    "kkkkkkkkkkkknnnnnnnnkkkkkkkkkkkk",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk"
};

// The small image leaves its corners transparent.
const char* const kGlobe16[] = {
    "16 16 8 1",
    "  c None",
    "b c #0000FF",
    "c c #00FFFF",
    "g c #008000",
    "k c #000000",
    "l c #00FF00",
    "n c #000080",
    "o c #808000",
    "     kkkkkk     ",
    "   kknnnnnnkk   ",
    "  kkncccbbbnkk  ",
    " kknlcccbgggokk ",
    " klllllcgggggok ",
    "knlllllcgggggbnk",
    "knclllccbbgbbbnk",
    "kncclllbbgggbbnk",
    "knbbgggbbgggbbnk",
    "knbbgggbbgggbbnk",
    "knbbgggbbgggbbnk",
    " knbbgbbbbgbgok ",
    " kknbbbbgbbbnkk ",
    "  kknbbbgbbnkk  ",
    "   kknnnnnnkk   ",
    "     kkkkkk     "
};
// clang-format on

}  // namespace

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
