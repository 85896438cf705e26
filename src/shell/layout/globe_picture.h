// The program's icon, a globe (blue sea and green land inside a black outline) in 16 colours, as
// XPM text that every shell draws from: the window's icon, the tray icon and the About box's
// picture.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "elements/window_elements.h"

namespace gpsclock {

// clang-format off
// The large image fills its corners black.
inline constexpr const char* kGlobe32[] = {
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
inline constexpr const char* kGlobe16[] = {
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

// A picture's pixels, row by row from the top; nothing where it is transparent.
struct PixelPicture {
  int width = 0;
  int height = 0;
  std::vector<std::optional<Colour>> pixels;
};

// The pixels of an XPM picture with one character a pixel and colours written #RRGGBB or None;
// nothing for any other XPM.
std::optional<PixelPicture> ReadXpm(std::span<const char* const> xpm);

}  // namespace gpsclock
