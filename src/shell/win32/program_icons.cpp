// Each icon is a 32-bit colour image, opaque where the picture has a colour, with the mask that
// leaves the rest transparent.
#include "shell/win32/program_icons.h"

#include <cstdint>
#include <vector>

#include "shell/layout/globe_picture.h"

namespace gpsclock {
namespace {

// A monochrome bitmap's rows are whole 16-bit words.
int MaskRowBytes(int width) {
  return (width + 15) / 16 * 2;
}

HICON MakeIcon(std::span<const char* const> xpm) {
  const auto picture = ReadXpm(xpm);
  if (!picture) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture->width;
  info.bmiHeader.biHeight = -picture->height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP colour = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (colour == nullptr) return nullptr;

  const int rowBytes = MaskRowBytes(picture->width);
  std::vector<BYTE> mask(static_cast<std::size_t>(rowBytes * picture->height), 0);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < picture->height; ++y) {
    for (int x = 0; x < picture->width; ++x) {
      const auto at = static_cast<std::size_t>(y * picture->width + x);
      if (const auto& pixel = picture->pixels[at]) {
        // Memory order blue, green, red, alpha; the design's colours are 0x00BBGGRR.
        const Colour c = *pixel;
        pixels[at] = 0xFF000000u | (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
      } else {
        pixels[at] = 0;
        mask[static_cast<std::size_t>(y * rowBytes + x / 8)] |= static_cast<BYTE>(0x80 >> x % 8);
      }
    }
  }
  HBITMAP maskBitmap = CreateBitmap(picture->width, picture->height, 1, 1, mask.data());
  ICONINFO icon{TRUE, 0, 0, maskBitmap, colour};
  HICON made = maskBitmap != nullptr ? CreateIconIndirect(&icon) : nullptr;
  DeleteObject(colour);
  if (maskBitmap != nullptr) DeleteObject(maskBitmap);
  return made;
}

}  // namespace

const ProgramIcons& Globe() {
  static const ProgramIcons icons{MakeIcon(kGlobe32), MakeIcon(kGlobe16)};
  return icons;
}

}  // namespace gpsclock
