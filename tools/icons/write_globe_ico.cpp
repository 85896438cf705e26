// Writes the program's globe as a Windows icon file with 16, 32 and 64 pixel images, for
// gpsclock.exe's icon resource and the setup program. The 64 pixel image repeats each pixel of the
// 32 pixel one four times. The Windows build compiles and runs it on the build machine.
// Usage: write-globe-ico <file.ico>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "shell/layout/globe_picture.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutLittleEndian(Bytes& out, std::uint32_t value, int byteCount) {
  for (int i = 0; i < byteCount; ++i) out.push_back(static_cast<std::uint8_t>(value >> 8 * i));
}

// An icon's image is a 32-bit bitmap twice as high as the image, its colour rows (blue, green,
// red, alpha) and then its mask rows (whole 32-bit words, 1 where transparent), both bottom row
// first.
Bytes IconBitmap(const gpsclock::PixelPicture& picture, int scale) {
  const int size = picture.width * scale;
  const int maskRowBytes = (size + 31) / 32 * 4;
  Bytes out;
  for (const int field : {40, size, 2 * size})
    PutLittleEndian(out, static_cast<unsigned>(field), 4);
  PutLittleEndian(out, 1, 2);   // planes
  PutLittleEndian(out, 32, 2);  // bits per pixel
  PutLittleEndian(out, 0, 4);   // no compression
  PutLittleEndian(out, static_cast<unsigned>(size * size * 4 + maskRowBytes * size), 4);
  // Neither the resolution nor a colour table: four words of zero.
  for (int field = 0; field < 4; ++field) PutLittleEndian(out, 0, 4);

  Bytes mask(static_cast<std::size_t>(maskRowBytes * size), 0);
  for (int row = 0; row < size; ++row) {
    const int y = size - 1 - row;
    for (int x = 0; x < size; ++x) {
      const auto& pixel =
          picture.pixels[static_cast<std::size_t>(y / scale * picture.width + x / scale)];
      if (pixel) {
        // The design's colours are 0x00BBGGRR.
        out.insert(out.end(),
                   {static_cast<std::uint8_t>(*pixel >> 16), static_cast<std::uint8_t>(*pixel >> 8),
                    static_cast<std::uint8_t>(*pixel), 0xFF});
      } else {
        out.insert(out.end(), 4, 0);
        mask[static_cast<std::size_t>(row * maskRowBytes + x / 8)] |=
            static_cast<std::uint8_t>(0x80 >> x % 8);
      }
    }
  }
  out.insert(out.end(), mask.begin(), mask.end());
  return out;
}

}  // namespace

int main(int argc, char* argv[]) {
  const auto small = gpsclock::ReadXpm(gpsclock::kGlobe16);
  const auto large = gpsclock::ReadXpm(gpsclock::kGlobe32);
  if (argc != 2 || !small || !large) {
    std::fprintf(stderr, "usage: write-globe-ico <file.ico>\n");
    return 2;
  }
  const struct {
    int size;
    Bytes bitmap;
  } images[] = {
      {16, IconBitmap(*small, 1)}, {32, IconBitmap(*large, 1)}, {64, IconBitmap(*large, 2)}};

  // The directory: a header, then one entry for each image, which follow in that order.
  constexpr std::uint32_t kImageCount = std::size(images);
  Bytes file;
  PutLittleEndian(file, 0, 2);  // reserved
  PutLittleEndian(file, 1, 2);  // an icon
  PutLittleEndian(file, kImageCount, 2);
  auto offset = static_cast<std::uint32_t>(6 + 16 * kImageCount);
  for (const auto& image : images) {
    file.insert(file.end(), {static_cast<std::uint8_t>(image.size),
                             static_cast<std::uint8_t>(image.size), 0, 0});
    PutLittleEndian(file, 1, 2);   // planes
    PutLittleEndian(file, 32, 2);  // bits per pixel
    PutLittleEndian(file, static_cast<std::uint32_t>(image.bitmap.size()), 4);
    PutLittleEndian(file, offset, 4);
    offset += static_cast<std::uint32_t>(image.bitmap.size());
  }
  for (const auto& image : images)
    file.insert(file.end(), image.bitmap.begin(), image.bitmap.end());

  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "write-globe-ico: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
