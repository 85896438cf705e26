// GetModuleFileNameW names the program itself, whatever the working folder or the command line.
#include "platform/win32/program_directory.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace gpsclock {
namespace {

// Windows' longest path, in UTF-16 units.
constexpr DWORD kLongestPath = 32'768;

}  // namespace

std::optional<std::string> ProgramDirectory() {
  std::wstring path(kLongestPath, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), kLongestPath);
  // A full buffer holds a cut-off path.
  if (length == 0 || length >= kLongestPath) return {};
  path.resize(length);
  const std::size_t separator = path.find_last_of(L"\\/");
  if (separator == std::wstring::npos || separator == 0) return {};
  path.resize(separator);
  return FromWide(CP_UTF8, path);
}

}  // namespace gpsclock
