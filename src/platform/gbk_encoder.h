// The platform's own GBK encoder: glibc iconv on Linux, code page 936 on Windows. The build links
// the one that belongs to the platform it builds for.
#pragma once

#include "platform/text_encoding.h"

namespace gpsclock {

// One encoder for the whole program; it holds no state.
const TextEncoder& PlatformGbkEncoder();

}  // namespace gpsclock
