// The rules every builder shares: which elements take the focus and in which order, which are
// lists, which menu items head a submenu, and which font each element shows.
#include "shell/layout/window_design.h"

#include <algorithm>

namespace gpsclock {

bool TakesFocus(ElementKind kind) {
  switch (kind) {
    case ElementKind::kLogBox:
    case ElementKind::kList:
    case ElementKind::kEditableList:
    case ElementKind::kOption:
    case ElementKind::kButton:
      return true;
    case ElementKind::kLabel:
    case ElementKind::kClockLabel:
    case ElementKind::kIndicator:
    case ElementKind::kFrame:
    case ElementKind::kPicture:
    case ElementKind::kLine:
      return false;
  }
  return false;
}

bool IsList(ElementKind kind) {
  return kind == ElementKind::kList || kind == ElementKind::kEditableList;
}

std::vector<int> TabOrder(const WindowDesign& design) {
  std::vector<int> order;
  for (std::size_t i = 0; i < design.elements.size(); ++i) {
    if (TakesFocus(design.elements[i].kind)) order.push_back(static_cast<int>(i));
  }
  std::stable_sort(order.begin(), order.end(), [&design](int a, int b) {
    return design.elements[static_cast<std::size_t>(a)].tabIndex <
           design.elements[static_cast<std::size_t>(b)].tabIndex;
  });
  return order;
}

bool HeadsSubmenu(const WindowDesign& design, int item) {
  return std::any_of(design.menu.begin(), design.menu.end(),
                     [item](const MenuItemDesign& other) { return other.submenuOf == item; });
}

int PointSizeOf(const WindowDesign& design, const ElementDesign& element) {
  if (element.pointSize != kWindowFont) return element.pointSize;
  return design.pointSize != kDefaultFont ? design.pointSize : kDialogPointSize;
}

}  // namespace gpsclock
