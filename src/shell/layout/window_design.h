// The description of a window as plain data: its title, client area, font and frame, every
// element with its place in twips, and its menu bar. Each toolkit's builder makes the real window
// from it, so all shells show the same layout.
//
// What a builder does with a design (every figure in twips becomes pixels by TwipsToPixels at
// the screen's density, twips.h):
// - The window: `title`; a client area of `client` twips, fixed in size, below the menu bar if it
//   has one; the client area's first place on the screen at `position` when there is one, else
//   where the desktop puts it; no minimize and maximize buttons unless `minimizeMaximizeButtons`;
//   `pointSize` 宋体 as the client area's font, or the toolkit's dialog font for kDefaultFont.
// - Every element, in table order (a frame comes before what it holds): made inside `container`
//   (a frame, or the client area), at `place` relative to that container, named `name` where the
//   toolkit names its widgets (the tests and accessibility find them so). A toolkit whose frames
//   hold nothing (a Win32 group box) adds the frame's own left and top; one that numbers its
//   controls can number them by their index. `pointSize` 宋体, or the window's font for kWindowFont
//   (the window's, not the frame's: a frame's own font does not pass to what it holds).
//   `foreground` is the text's colour (a line's colour), `background` the colour behind the text.
// - By kind:
//   kLabel        static text from the top left, wrapped at its width;
//   kClockLabel   static text, vertically centred, filling its background (the core's model
//                 gives its colours);
//   kIndicator    a filled circle in a black outline (the model gives the fill);
//   kFrame        a frame with its caption on the border;
//   kLogBox       a multi-line text box, read-only, both scroll bars always shown, no wrapping
//                 (the model gives the text);
//   kList         a drop-down list the user can only choose from;
//   kEditableList a drop-down combo with a text field; typing never adds an entry;
//   kOption       an option button (radio button);
//   kButton       a command button; `defaultButton` answers Enter and starts with the focus,
//                 `cancelButton` answers Esc;
//   kPicture      the program's icon, 32x32, centred;
//   kLine         a filled rectangle in its foreground colour.
// - Lists: the entries of `lists` in order, each with its item data.
// - The focus moves through TabOrder(design); a toolkit whose focus follows the creation order
//   (Win32's dialog navigation) creates or orders the focusable elements by it.
// - The menu bar: each item of `menu` in order, in the bar or in the submenu of the item
//   `submenuOf` names; an item that heads a submenu gives no command, every other item is a
//   command identified by its index.
// After building, a shell reaches each element by its id (the window's element enumeration, whose
// values are the table's indexes), never by its name.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "elements/window_elements.h"
#include "shell/layout/twips.h"

namespace gpsclock {

// Every font of the design is this face (SimSun, character set 134).
inline constexpr std::string_view kDesignFace = "宋体";
// An element without a font of its own shows its window's.
inline constexpr int kWindowFont = 0;
// A window without a font of its own uses the desktop's dialog font.
inline constexpr int kDefaultFont = 0;
// The point size of the desktop's dialog font in every shell: the design's desktop showed its
// dialogs and menus in 宋体 9 point.
inline constexpr int kDialogPointSize = 9;
// The container of the elements placed directly in the client area.
inline constexpr int kClientArea = -1;
// The submenu of the items placed directly in the menu bar.
inline constexpr int kMenuBar = -1;
inline constexpr int kNoElement = -1;

enum class ElementKind {
  kLabel,
  kClockLabel,
  kIndicator,
  kFrame,
  kLogBox,
  kList,
  kEditableList,
  kOption,
  kButton,
  kPicture,
  kLine,
};

struct ElementDesign {
  std::string_view name;
  ElementKind kind;
  int container;  // the frame's index, or kClientArea
  // The text it is created with; for the elements the core drives, the text they start with.
  std::string_view caption;
  TwipsRect place;
  int tabIndex = 0;
  int pointSize = kWindowFont;
  std::optional<Colour> foreground = std::nullopt;
  std::optional<Colour> background = std::nullopt;
};

// A list entry; its item data is the value it stands for.
struct ListEntry {
  std::string_view text;
  int itemData;
};

struct ListDesign {
  int list;  // the list's index
  std::span<const ListEntry> entries;
};

struct MenuItemDesign {
  std::string_view name;
  std::string_view caption;
  int submenuOf;  // the index of the item heading the submenu, or kMenuBar
};

struct WindowDesign {
  std::string_view name;
  std::string_view title;
  TwipsSize client;
  std::optional<TwipsPoint> position;
  int pointSize;
  bool minimizeMaximizeButtons;
  std::span<const ElementDesign> elements;
  std::span<const ListDesign> lists = {};
  int defaultButton = kNoElement;
  int cancelButton = kNoElement;
  std::span<const MenuItemDesign> menu = {};
};

// The index of an element or menu item in its window's table.
template <typename Id>
constexpr int IndexOf(Id id) {
  return static_cast<int>(id);
}

// The design of one element by its id; each window's header gives DesignOf(its element id).
template <typename Id>
constexpr const ElementDesign& ElementDesignOf(Id id) {
  return DesignOf(id).elements[static_cast<std::size_t>(id)];
}

// Whether the user can give an element of this kind the focus.
bool TakesFocus(ElementKind kind);
// A drop-down list, with or without a text field.
bool IsList(ElementKind kind);
// The indexes of the elements that take the focus, in the order the focus moves through them.
std::vector<int> TabOrder(const WindowDesign& design);
// Whether a menu item heads a submenu rather than giving a command.
bool HeadsSubmenu(const WindowDesign& design, int item);
// The 宋体 point size an element shows its text in: its own, else its window's (never its
// frame's), else the desktop's dialog font.
int PointSizeOf(const WindowDesign& design, const ElementDesign& element);

}  // namespace gpsclock
