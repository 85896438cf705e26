// Texts cross between the core's UTF-8 and the controls' UTF-16 here.
#include "shell/win32/win32_controls.h"

#include "shell/win32/screen_text.h"

namespace gpsclock {

void Win32Control::SetText(std::string_view utf8) const {
  SetWindowTextW(handle_, ScreenText(utf8).c_str());
}

std::string Win32Control::Text() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()))));
  return Utf8Text(text);
}

void Win32ComboBox::Select(int index) const {
  SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int Win32ComboBox::Selected() const {
  return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

void Win32Button::SetChecked(bool checked) const {
  SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace gpsclock
