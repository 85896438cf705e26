// Builds a window's Win32 controls, fonts, colours and menu bar from its description at the
// window's screen density, and hands the controls back by element id, typed by their kind.
#pragma once

#include <windows.h>

#include <cstddef>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "shell/layout/window_design.h"
#include "shell/win32/win32_controls.h"

namespace gpsclock {

// Controls and menu items are numbered by their index in the design: a control's id is
// kFirstControlId plus its index, a menu item's command kFirstMenuCommand plus its index.
inline constexpr int kFirstControlId = 1000;
inline constexpr int kFirstMenuCommand = 100;

// A caption with the system menu and close box and a fixed border; the minimize and maximize
// buttons only where the design has them.
DWORD WindowStyle(const WindowDesign& design);
// A modeless dialog of the design's frame, hidden, without controls of its own: the builder makes
// them. Nothing when Windows refuses it.
HWND CreateEmptyDialog(const WindowDesign& design, DLGPROC procedure);

class Win32Controls {
 public:
  // Gives `window` its design's title, the globe icon, the menu bar and every control at `dpi`,
  // then a client area of the design's size at its designed place (or in the middle of its
  // screen's work area).
  Win32Controls(HWND window, const WindowDesign& design, UINT dpi);
  ~Win32Controls();
  Win32Controls(const Win32Controls&) = delete;
  Win32Controls& operator=(const Win32Controls&) = delete;

  HWND At(int index) const { return controls_[static_cast<std::size_t>(index)]; }
  // The colours an element is drawn in from now on; a round indicator's fill is its background.
  void SetColours(int index, std::optional<Colour> foreground, std::optional<Colour> background);
  void SetMenuCaption(int item, std::string_view caption);
  // Gives the focus to the default button, as a dialog that is shown anew.
  void FocusDefaultButton() const;
  // The element a WM_COMMAND comes from: a control, the default button for Enter (IDOK), the
  // cancel button for Esc (IDCANCEL); nothing for anything else.
  std::optional<int> ElementOfCommand(WPARAM wParam) const;
  // The menu item a WM_COMMAND from the menu bar gives; nothing for anything else.
  std::optional<int> MenuItemOfCommand(WPARAM wParam, LPARAM lParam) const;
  // The window's messages the builder answers: WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT and
  // WM_CTLCOLORLISTBOX (a brush) and WM_DRAWITEM (TRUE) for the elements with colours, and
  // WM_DPICHANGED (0); nothing where the window's own handling is right.
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  struct Colours {
    std::optional<Colour> foreground;
    std::optional<Colour> background;
  };

  void CreateControls();
  void CreateMenuBar();
  void OrderForTheFocus();
  void LayOut();
  // Twips at the window's density.
  int Pixels(int twips) const;
  PixelRect Pixels(const TwipsRect& twips) const;
  SIZE ClientSize() const;
  // The window's rectangle around its client area, whose top left is 0, 0: the frame's left and
  // top are negative.
  RECT WindowAroundClient() const;
  // The client area's size at this density, with the window's top left at `topLeft`.
  void FitWindow(POINT topLeft);
  void PlaceWindow();
  // Every place and font at a new density, and the window sized around its client area with its
  // top left where Windows suggests.
  void ScaleTo(UINT dpi, const RECT& suggested);
  std::optional<LRESULT> Paint(UINT message, WPARAM wParam, LPARAM lParam);
  HFONT FontOf(int pointSize);
  HBRUSH BrushOf(Colour colour);
  // The element whose control, text field or drop-down list `control` is.
  std::optional<int> ElementOfControl(HWND control) const;
  void DrawIndicator(const DRAWITEMSTRUCT& item, const Colours& colours);

  HWND window_;
  const WindowDesign& design_;
  UINT dpi_;
  std::vector<HWND> controls_;
  std::vector<Colours> colours_;
  std::map<HWND, int> listsOfCombos_;
  std::map<int, HFONT> fonts_;
  std::map<Colour, HBRUSH> brushes_;
  HMENU menuBar_ = nullptr;
};

// A built window's controls by the ids of its design: Get<SettingsDialogElement::kCombo1>() is
// the Win32ComboBox made for Combo1.
template <typename Id>
class Win32WindowControls : public Win32Controls {
 public:
  Win32WindowControls(HWND window, UINT dpi) : Win32Controls(window, DesignOf(Id{}), dpi) {}

  template <Id id>
  auto Get() const {
    using Control = typename Win32ControlOf<ElementDesignOf(id).kind>::Type;
    return Control(At(IndexOf(id)));
  }
  std::optional<Id> ElementOfCommand(WPARAM wParam) const {
    const std::optional<int> index = Win32Controls::ElementOfCommand(wParam);
    if (!index) return std::nullopt;
    return static_cast<Id>(*index);
  }
};

}  // namespace gpsclock
