// One builder for every window: the element kinds as Win32 controls, twips to pixels at the
// window's density, 宋体 in GB2312 at the design's point sizes, colours through the WM_CTLCOLOR
// messages, the round indicators drawn by the owner, and the menu bar.
#include "shell/win32/win32_window_builder.h"

#include <algorithm>

#include "shell/win32/program_icons.h"
#include "shell/win32/screen_text.h"

namespace gpsclock {
namespace {

constexpr int kPointsPerInch = 72;

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD extendedStyle = 0;
};

ControlClass ClassOf(ElementKind kind) {
  switch (kind) {
    case ElementKind::kLabel:
      return {L"STATIC", SS_LEFT | SS_NOPREFIX};
    case ElementKind::kClockLabel:
      return {L"STATIC", SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE};
    case ElementKind::kIndicator:
      return {L"STATIC", SS_OWNERDRAW};
    case ElementKind::kFrame:
      return {L"BUTTON", BS_GROUPBOX};
    case ElementKind::kLogBox:
      return {
          L"EDIT",
          ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL,
          WS_EX_CLIENTEDGE};
    case ElementKind::kList:
      return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL};
    case ElementKind::kEditableList:
      return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL};
    case ElementKind::kOption:
      return {L"BUTTON", BS_AUTORADIOBUTTON};
    case ElementKind::kButton:
      return {L"BUTTON", BS_PUSHBUTTON};
    case ElementKind::kPicture:
      return {L"STATIC", SS_ICON | SS_CENTERIMAGE};
    case ElementKind::kLine:
      return {L"STATIC", SS_LEFT};
  }
  return {L"STATIC", 0};
}

std::size_t EntriesOf(const WindowDesign& design, int element) {
  for (const ListDesign& list : design.lists) {
    if (list.list == element) return list.entries.size();
  }
  return 0;
}

void SetStyle(HWND control, DWORD style) {
  SetWindowLongPtrW(control, GWL_STYLE, GetWindowLongPtrW(control, GWL_STYLE) | style);
}

}  // namespace

DWORD WindowStyle(const WindowDesign& design) {
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  if (design.minimizeMaximizeButtons) style |= WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  return style;
}

HWND CreateEmptyDialog(const WindowDesign& design, DLGPROC procedure) {
  // A template without menu, class, title or controls: three empty words after the header.
  struct alignas(4) EmptyTemplate {
    DLGTEMPLATE header;
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
  } empty{};
  empty.header.style = WS_POPUP | WindowStyle(design);
  return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &empty.header, nullptr, procedure,
                                    0);
}

Win32Controls::Win32Controls(HWND window, const WindowDesign& design, UINT dpi)
    : window_(window), design_(design), dpi_(dpi) {
  SetWindowTextW(window_, ScreenText(design_.title).c_str());
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Globe().large));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Globe().small));
  if (!design_.menu.empty()) CreateMenuBar();
  CreateControls();
  OrderForTheFocus();
  LayOut();
  if (design_.defaultButton != kNoElement) {
    SendMessageW(window_, DM_SETDEFID, static_cast<WPARAM>(kFirstControlId + design_.defaultButton),
                 0);
  }
  PlaceWindow();
}

// The owner destroys the window, and with it the controls and the menu bar, before this.
Win32Controls::~Win32Controls() {
  for (const auto& [pointSize, font] : fonts_) DeleteObject(font);
  for (const auto& [colour, brush] : brushes_) DeleteObject(brush);
}

void Win32Controls::CreateControls() {
  for (std::size_t i = 0; i < design_.elements.size(); ++i) {
    const ElementDesign& element = design_.elements[i];
    const ControlClass control = ClassOf(element.kind);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | control.style;
    if (TakesFocus(element.kind)) style |= WS_TABSTOP;
    if (static_cast<int>(i) == design_.defaultButton) style |= BS_DEFPUSHBUTTON;
    const auto id = static_cast<UINT_PTR>(kFirstControlId + static_cast<int>(i));
    HWND made = CreateWindowExW(control.extendedStyle, control.name,
                                ScreenText(element.caption).c_str(), style, 0, 0, 0, 0, window_,
                                reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), nullptr);
    controls_.push_back(made);
    colours_.push_back({element.foreground, element.background});
    if (element.kind == ElementKind::kLogBox) {
      // The log view holds up to a thousand lines, more than an edit's default 30000 characters.
      SendMessageW(made, EM_SETLIMITTEXT, 0, 0);
    } else if (element.kind == ElementKind::kPicture) {
      SendMessageW(made, STM_SETICON, reinterpret_cast<WPARAM>(Globe().large), 0);
    } else if (IsList(element.kind)) {
      COMBOBOXINFO parts{};
      parts.cbSize = sizeof parts;
      if (GetComboBoxInfo(made, &parts)) listsOfCombos_[parts.hwndList] = static_cast<int>(i);
    }
  }
  for (const ListDesign& list : design_.lists) {
    for (const ListEntry& entry : list.entries) {
      const std::wstring text = ScreenText(entry.text);
      const LRESULT at =
          SendMessageW(At(list.list), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
      SendMessageW(At(list.list), CB_SETITEMDATA, static_cast<WPARAM>(at), entry.itemData);
    }
  }
}

// The items of the bar give their command when clicked there; those of a submenu from it.
void Win32Controls::CreateMenuBar() {
  menuBar_ = CreateMenu();
  std::vector<HMENU> holders(design_.menu.size(), nullptr);
  for (std::size_t i = 0; i < design_.menu.size(); ++i) {
    const MenuItemDesign& item = design_.menu[i];
    HMENU holder =
        item.submenuOf == kMenuBar ? menuBar_ : holders[static_cast<std::size_t>(item.submenuOf)];
    const std::wstring caption = ScreenText(item.caption);
    if (HeadsSubmenu(design_, static_cast<int>(i))) {
      holders[i] = CreatePopupMenu();
      AppendMenuW(holder, MF_POPUP, reinterpret_cast<UINT_PTR>(holders[i]), caption.c_str());
    } else {
      AppendMenuW(holder, MF_STRING, static_cast<UINT_PTR>(kFirstMenuCommand + static_cast<int>(i)),
                  caption.c_str());
    }
  }
  SetMenu(window_, menuBar_);
}

// The dialog manager moves the focus, and groups option buttons, by the controls' order on the
// screen: the focusable controls come first in the focus order, each starting a group but an
// option button that follows another, and the frames last, under what they hold.
void Win32Controls::OrderForTheFocus() {
  const std::vector<int> order = TabOrder(design_);
  HWND above = HWND_TOP;
  for (std::size_t n = 0; n < order.size(); ++n) {
    const auto kindAt = [this, &order](std::size_t at) {
      return design_.elements[static_cast<std::size_t>(order[at])].kind;
    };
    HWND control = At(order[n]);
    if (n == 0 || kindAt(n) != ElementKind::kOption || kindAt(n - 1) != ElementKind::kOption) {
      SetStyle(control, WS_GROUP);
    }
    SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = control;
  }
  for (std::size_t i = 0; i < design_.elements.size(); ++i) {
    if (design_.elements[i].kind != ElementKind::kFrame) continue;
    SetWindowPos(controls_[i], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

// A group box holds nothing in Win32: what the design puts in a frame is placed in the client
// area at the frame's own place plus its place in the frame, each rounded by itself as the
// toolkits that nest frames do.
void Win32Controls::LayOut() {
  for (std::size_t i = 0; i < design_.elements.size(); ++i) {
    const ElementDesign& element = design_.elements[i];
    PixelRect place = Pixels(element.place);
    if (element.container != kClientArea) {
      const PixelRect frame =
          Pixels(design_.elements[static_cast<std::size_t>(element.container)].place);
      place.left += frame.left;
      place.top += frame.top;
    }
    HWND control = controls_[i];
    SendMessageW(control, WM_SETFONT,
                 reinterpret_cast<WPARAM>(FontOf(PointSizeOf(design_, element))), FALSE);
    int height = place.height;
    if (IsList(element.kind)) {
      // A closed combo is as high as its selection field and borders; the height it is given
      // also holds its dropped-down list.
      RECT closed{};
      GetWindowRect(control, &closed);
      const auto field = static_cast<int>(SendMessageW(control, CB_GETITEMHEIGHT, -1, 0));
      const int borders = closed.bottom - closed.top - field;
      SendMessageW(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                   std::max(place.height - borders, 1));
      const auto entry = static_cast<int>(SendMessageW(control, CB_GETITEMHEIGHT, 0, 0));
      height += static_cast<int>(EntriesOf(design_, static_cast<int>(i))) * entry + 2;
    }
    SetWindowPos(control, nullptr, place.left, place.top, place.width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

int Win32Controls::Pixels(int twips) const {
  return TwipsToPixels(twips, static_cast<int>(dpi_));
}

PixelRect Win32Controls::Pixels(const TwipsRect& twips) const {
  return TwipsToPixels(twips, static_cast<int>(dpi_));
}

SIZE Win32Controls::ClientSize() const {
  return {Pixels(design_.client.width), Pixels(design_.client.height)};
}

RECT Win32Controls::WindowAroundClient() const {
  const SIZE client = ClientSize();
  RECT outer{0, 0, client.cx, client.cy};
  AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                           menuBar_ != nullptr,
                           static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)), dpi_);
  return outer;
}

void Win32Controls::FitWindow(POINT topLeft) {
  const SIZE client = ClientSize();
  const RECT outer = WindowAroundClient();
  const int outerWidth = outer.right - outer.left;
  const int outerHeight = outer.bottom - outer.top;
  SetWindowPos(window_, nullptr, topLeft.x, topLeft.y, outerWidth, outerHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
  // A menu bar that wraps onto a second row takes more than the one row Windows reckons with.
  RECT shown{};
  GetClientRect(window_, &shown);
  if (shown.right != client.cx || shown.bottom != client.cy) {
    SetWindowPos(window_, nullptr, 0, 0, outerWidth + client.cx - shown.right,
                 outerHeight + client.cy - shown.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
}

// The design's place is where the client area begins, inside the window's frame.
void Win32Controls::PlaceWindow() {
  const RECT outer = WindowAroundClient();
  POINT topLeft{};
  if (design_.position) {
    topLeft = {Pixels(design_.position->left) + outer.left,
               Pixels(design_.position->top) + outer.top};
  } else {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    topLeft = {work.left + (work.right - work.left - (outer.right - outer.left)) / 2,
               work.top + (work.bottom - work.top - (outer.bottom - outer.top)) / 2};
  }
  FitWindow(topLeft);
}

void Win32Controls::ScaleTo(UINT dpi, const RECT& suggested) {
  dpi_ = dpi;
  std::map<int, HFONT> previous;
  previous.swap(fonts_);
  LayOut();
  for (const auto& [pointSize, font] : previous) DeleteObject(font);
  FitWindow({suggested.left, suggested.top});
  InvalidateRect(window_, nullptr, TRUE);
}

HFONT Win32Controls::FontOf(int pointSize) {
  if (const auto found = fonts_.find(pointSize); found != fonts_.end()) return found->second;
  const std::wstring face = ScreenText(kDesignFace);
  HFONT font =
      CreateFontW(-MulDiv(pointSize, static_cast<int>(dpi_), kPointsPerInch), 0, 0, 0, FW_NORMAL,
                  FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  fonts_[pointSize] = font;
  return font;
}

HBRUSH Win32Controls::BrushOf(Colour colour) {
  if (const auto found = brushes_.find(colour); found != brushes_.end()) return found->second;
  // The design's colours are COLORREF values already: blue * 65536 + green * 256 + red.
  return brushes_[colour] = CreateSolidBrush(colour);
}

void Win32Controls::SetColours(int index, std::optional<Colour> foreground,
                               std::optional<Colour> background) {
  colours_[static_cast<std::size_t>(index)] = {foreground, background};
  InvalidateRect(At(index), nullptr, TRUE);
}

void Win32Controls::SetMenuCaption(int item, std::string_view caption) {
  std::wstring text = ScreenText(caption);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = text.data();
  SetMenuItemInfoW(menuBar_, static_cast<UINT>(kFirstMenuCommand + item), FALSE, &info);
  DrawMenuBar(window_);
}

void Win32Controls::FocusDefaultButton() const {
  if (design_.defaultButton == kNoElement) return;
  SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(At(design_.defaultButton)), TRUE);
}

std::optional<int> Win32Controls::ElementOfCommand(WPARAM wParam) const {
  const int id = LOWORD(wParam);
  if (id == IDOK && design_.defaultButton != kNoElement) return design_.defaultButton;
  if (id == IDCANCEL && design_.cancelButton != kNoElement) return design_.cancelButton;
  const int index = id - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(controls_.size())) return std::nullopt;
  return index;
}

std::optional<int> Win32Controls::MenuItemOfCommand(WPARAM wParam, LPARAM lParam) const {
  if (lParam != 0 || HIWORD(wParam) != 0) return std::nullopt;
  const int item = LOWORD(wParam) - kFirstMenuCommand;
  if (item < 0 || item >= static_cast<int>(design_.menu.size()) || HeadsSubmenu(design_, item)) {
    return std::nullopt;
  }
  return item;
}

std::optional<int> Win32Controls::ElementOfControl(HWND control) const {
  // A combo's text field is its child.
  HWND parent = GetParent(control);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i] == control || controls_[i] == parent) return static_cast<int>(i);
  }
  if (const auto list = listsOfCombos_.find(control); list != listsOfCombos_.end()) {
    return list->second;
  }
  return std::nullopt;
}

std::optional<LRESULT> Win32Controls::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DPICHANGED) {
    ScaleTo(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    return 0;
  }
  return Paint(message, wParam, lParam);
}

std::optional<LRESULT> Win32Controls::Paint(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    const std::optional<int> index = ElementOfControl(item.hwndItem);
    if (!index ||
        design_.elements[static_cast<std::size_t>(*index)].kind != ElementKind::kIndicator) {
      return std::nullopt;
    }
    DrawIndicator(item, colours_[static_cast<std::size_t>(*index)]);
    return TRUE;
  }
  if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLOREDIT && message != WM_CTLCOLORLISTBOX) {
    return std::nullopt;
  }
  const std::optional<int> index = ElementOfControl(reinterpret_cast<HWND>(lParam));
  if (!index) return std::nullopt;
  const ElementKind kind = design_.elements[static_cast<std::size_t>(*index)].kind;
  const Colours& colours = colours_[static_cast<std::size_t>(*index)];
  auto* dc = reinterpret_cast<HDC>(wParam);
  if (kind == ElementKind::kLine && colours.foreground) {
    return reinterpret_cast<LRESULT>(BrushOf(*colours.foreground));
  }
  if (kind == ElementKind::kLogBox) {
    // Read-only, the box still looks like a text field rather than like the window behind it.
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  if (!colours.foreground && !colours.background) return std::nullopt;
  if (colours.foreground) SetTextColor(dc, *colours.foreground);
  if (colours.background) {
    SetBkColor(dc, *colours.background);
    return reinterpret_cast<LRESULT>(BrushOf(*colours.background));
  }
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(
      GetSysColorBrush(message == WM_CTLCOLORSTATIC ? COLOR_BTNFACE : COLOR_WINDOW));
}

// A filled circle in a black outline, inside the indicator's square.
void Win32Controls::DrawIndicator(const DRAWITEMSTRUCT& item, const Colours& colours) {
  const RECT& square = item.rcItem;
  FillRect(item.hDC, &square, GetSysColorBrush(COLOR_BTNFACE));
  HGDIOBJ pen = SelectObject(item.hDC, GetStockObject(BLACK_PEN));
  HGDIOBJ brush =
      SelectObject(item.hDC, colours.background ? static_cast<HGDIOBJ>(BrushOf(*colours.background))
                                                : GetStockObject(HOLLOW_BRUSH));
  Ellipse(item.hDC, square.left, square.top, square.right, square.bottom);
  SelectObject(item.hDC, pen);
  SelectObject(item.hDC, brush);
}

}  // namespace gpsclock
