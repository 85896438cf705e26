// The handles of a window's controls, typed by the kind of element each shows, with what the
// windows do to each kind.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "shell/layout/window_design.h"

namespace gpsclock {

class Win32Control {
 public:
  explicit Win32Control(HWND handle) : handle_(handle) {}
  HWND Handle() const { return handle_; }
  void SetText(std::string_view utf8) const;
  std::string Text() const;
  void Enable(bool enabled) const { EnableWindow(handle_, enabled); }

 private:
  HWND handle_;
};

// A drop-down list, or a drop-down combo with a text field.
class Win32ComboBox : public Win32Control {
 public:
  using Win32Control::Win32Control;
  // kNoEntry leaves no entry selected.
  void Select(int index) const;
  int Selected() const;
};

// A command button or an option button.
class Win32Button : public Win32Control {
 public:
  using Win32Control::Win32Control;
  void SetChecked(bool checked) const;
};

// The handle class for each kind of element.
template <ElementKind kind>
struct Win32ControlOf {
  using Type = Win32Control;
};
// clang-format off
template <> struct Win32ControlOf<ElementKind::kList> { using Type = Win32ComboBox; };
template <> struct Win32ControlOf<ElementKind::kEditableList> { using Type = Win32ComboBox; };
template <> struct Win32ControlOf<ElementKind::kOption> { using Type = Win32Button; };
template <> struct Win32ControlOf<ElementKind::kButton> { using Type = Win32Button; };
// clang-format on

}  // namespace gpsclock
