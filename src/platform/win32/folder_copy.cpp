// A folder's name is its full, long, upper-cased path, hashed: Windows' paths are not case
// sensitive, and a program started through its short (8.3) path is still the same program.
#include "platform/win32/folder_copy.h"

#include <cstdint>
#include <cstdio>

#include "platform/win32/wide_text.h"

namespace gpsclock {
namespace {

constexpr UINT kBringForward = WM_APP + 1;
// A running copy answers from its message loop at once; one that takes longer hangs, or is still
// starting and has no window to bring forward yet.
constexpr UINT kAnswerTimeoutMs = 3000;
constexpr int kSearchTries = 30;
constexpr DWORD kSearchPauseMs = 100;

// The path as `call` (GetFullPathNameW or GetLongPathNameW, as (path, buffer, size)) gives it; the
// path as it stands where the call fails, which at worst lets a second copy run.
template <typename Call>
std::wstring Through(const std::wstring& path, Call call) {
  std::wstring result(call(path.c_str(), nullptr, 0), L'\0');
  if (result.empty() ||
      call(path.c_str(), result.data(), static_cast<DWORD>(result.size())) != result.size() - 1) {
    return path;
  }
  result.pop_back();
  return result;
}

std::wstring FolderPath(const std::string& programDirectory) {
  std::wstring path = Through(ToWide(CP_UTF8, programDirectory).value_or(L""),
                              [](const wchar_t* in, wchar_t* out, DWORD size) {
                                return GetFullPathNameW(in, size, out, nullptr);
                              });
  path = Through(path, [](const wchar_t* in, wchar_t* out, DWORD size) {
    return GetLongPathNameW(in, out, size);
  });
  CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
  return path;
}

// FNV-1a over the path's UTF-16 units, in 16 hexadecimal digits.
std::wstring FolderName(const std::wstring& path) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (const wchar_t unit : path) {
    hash = (hash ^ static_cast<std::uint16_t>(unit)) * 0x100000001b3u;
  }
  wchar_t digits[17];
  std::swprintf(digits, std::size(digits), L"%016llx", static_cast<unsigned long long>(hash));
  return std::wstring(L"gpsclock.") + digits;
}

}  // namespace

FolderCopy::FolderCopy(const std::string& programDirectory)
    : name_(FolderName(FolderPath(programDirectory))) {}

// The window goes before the mutex is let go: a start that then takes the folder finds no window
// of this copy.
FolderCopy::~FolderCopy() {
  window_.reset();
  if (owner_) ReleaseMutex(mutex_);
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

FolderCopy::Start FolderCopy::Claim() {
  mutex_ = CreateMutexW(nullptr, FALSE, (L"Local\\" + name_).c_str());
  if (mutex_ == nullptr) return Start::kFirst;
  // A copy that ended without letting go (it crashed) leaves the mutex abandoned, and so free.
  const DWORD wait = WaitForSingleObject(mutex_, 0);
  if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) {
    owner_ = true;
    // Without its window the guard still holds; a later start then says it found no window.
    Listen();
    return Start::kFirst;
  }
  return AskRunningCopy();
}

void FolderCopy::SetBringForwardHandler(std::function<bool()> bringForward) {
  bringForward_ = std::move(bringForward);
}

bool FolderCopy::Listen() {
  window_ = MessageWindow::Create(
      [this](UINT message) {
        return LRESULT{message == kBringForward && bringForward_ && bringForward_() ? 1 : 0};
      },
      name_.c_str());
  if (!window_) return false;
  // A copy started elevated still hears a later start that is not.
  return ChangeWindowMessageFilterEx(window_->Handle(), kBringForward, MSGFLT_ALLOW, nullptr) !=
         FALSE;
}

FolderCopy::Start FolderCopy::AskRunningCopy() const {
  HWND running = nullptr;
  for (int tries = 0; running == nullptr && tries < kSearchTries; ++tries) {
    running = FindWindowExW(HWND_MESSAGE, nullptr, MessageWindow::kClassName, name_.c_str());
    if (running == nullptr) Sleep(kSearchPauseMs);
  }
  if (running == nullptr) return Start::kOtherNotReached;
  // The start the user just made may hand the foreground on to the copy it asks.
  DWORD process = 0;
  GetWindowThreadProcessId(running, &process);
  AllowSetForegroundWindow(process);
  DWORD_PTR answer = 0;
  if (SendMessageTimeoutW(running, kBringForward, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                          &answer) == 0 ||
      answer == 0) {
    return Start::kOtherNotReached;
  }
  return Start::kOtherBroughtForward;
}

}  // namespace gpsclock
