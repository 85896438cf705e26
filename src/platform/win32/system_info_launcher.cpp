// The registry is read through the ANSI calls, whose texts are in code page 936; the path is
// tested and started through the W calls.
#include "platform/win32/system_info_launcher.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "platform/win32/wide_text.h"

namespace gpsclock {
namespace {

constexpr char kMsInfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kMsInfoValue[] = "PATH";
constexpr char kSharedToolsKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr char kSharedToolsValue[] = "MSINFO";
constexpr char kMsInfoProgram[] = "\\MSINFO32.EXE";
// Query value, set value, create subkey, enumerate subkeys, notify, create link, read control.
constexpr REGSAM kKeyAccess = 0x2003F;
constexpr DWORD kValueBufferBytes = 1024;

// Closes the key when it goes.
class OpenKey {
 public:
  explicit OpenKey(HKEY key) : key_(key) {}
  ~OpenKey() { RegCloseKey(key_); }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

 private:
  HKEY key_;
};

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool StartProgram(const std::wstring& path) {
  std::wstring commandLine = L"\"" + path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return false;
  }
  // The program runs on its own; nothing here waits for it or asks after it.
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

std::optional<std::string> GetKeyValue(HKEY root, const char* keyName, const char* valueName) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, keyName, 0, kKeyAccess, &key) != ERROR_SUCCESS) return {};
  const OpenKey openKey(key);
  std::array<BYTE, kValueBufferBytes> buffer{};
  DWORD size = kValueBufferBytes;
  DWORD type = 0;
  if (RegQueryValueExA(key, valueName, nullptr, &type, buffer.data(), &size) != ERROR_SUCCESS) {
    return {};
  }
  if (type == REG_DWORD) {
    std::int32_t number = 0;
    std::memcpy(&number, buffer.data(), sizeof number);
    return std::to_string(number);
  }
  if (type != REG_SZ) return std::string();
  std::string_view text(reinterpret_cast<const char*>(buffer.data()), size);
  if (!text.empty() && text.back() == '\0') text.remove_suffix(1);
  const auto wide = ToWide(kGbkCodePage, text);
  if (!wide) return {};
  return FromWide(CP_UTF8, *wide);
}

bool StartSystemInfoProgram() {
  std::optional<std::wstring> path;
  if (const auto named = GetKeyValue(HKEY_LOCAL_MACHINE, kMsInfoKey, kMsInfoValue)) {
    path = ToWide(CP_UTF8, *named);
  } else if (const auto folder =
                 GetKeyValue(HKEY_LOCAL_MACHINE, kSharedToolsKey, kSharedToolsValue)) {
    path = ToWide(CP_UTF8, *folder + kMsInfoProgram);
    if (path && !IsFile(*path)) return false;
  }
  return path && StartProgram(*path);
}

}  // namespace gpsclock
