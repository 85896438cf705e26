// Builds a window's Qt widgets from its description, and hands them back by element id, typed by
// the element's kind.
#pragma once

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cstddef>
#include <vector>

#include "shell/layout/window_design.h"
#include "shell/log_text_box.h"
#include "shell/round_indicator.h"

namespace gpsclock {

// The widget class the builder makes for each kind of element.
template <ElementKind kind>
struct QtWidget;
// clang-format off
template <> struct QtWidget<ElementKind::kLabel> { using Type = QLabel; };
template <> struct QtWidget<ElementKind::kClockLabel> { using Type = QLabel; };
template <> struct QtWidget<ElementKind::kIndicator> { using Type = RoundIndicator; };
template <> struct QtWidget<ElementKind::kFrame> { using Type = QGroupBox; };
template <> struct QtWidget<ElementKind::kLogBox> { using Type = LogTextBox; };
template <> struct QtWidget<ElementKind::kList> { using Type = QComboBox; };
template <> struct QtWidget<ElementKind::kEditableList> { using Type = QComboBox; };
template <> struct QtWidget<ElementKind::kOption> { using Type = QRadioButton; };
template <> struct QtWidget<ElementKind::kButton> { using Type = QPushButton; };
template <> struct QtWidget<ElementKind::kPicture> { using Type = QLabel; };
template <> struct QtWidget<ElementKind::kLine> { using Type = QWidget; };
// clang-format on

// What the builder made, in table order: each element's widget and each menu item's action (a
// submenu's own action for an item that heads one).
struct QtWindowParts {
  std::vector<QWidget*> elements;
  std::vector<QAction*> menu;
};

// Gives `window` its design's name, title, frame and fixed size and puts it at its first place.
// The client area is the window itself, or for a QMainWindow a central widget named "client"
// below the menu bar. Then every element with its font, colours and list entries, the focus
// order, and the default and cancel buttons (a dialog's Esc and its cancel button reject it).
QtWindowParts BuildQtWindow(QWidget& window, const WindowDesign& design);

// A built window's widgets by the ids of its design: Get<SettingsDialogElement::kCombo1>() is the
// QComboBox made for Combo1.
template <typename Id>
class QtWindowWidgets {
 public:
  explicit QtWindowWidgets(QWidget& window) : parts_(BuildQtWindow(window, DesignOf(Id{}))) {}

  template <Id id>
  auto* Get() const {
    using Widget = typename QtWidget<ElementDesignOf(id).kind>::Type;
    return static_cast<Widget*>(parts_.elements[static_cast<std::size_t>(id)]);
  }
  template <typename MenuId>
  QAction* Action(MenuId item) const {
    return parts_.menu[static_cast<std::size_t>(item)];
  }

 private:
  QtWindowParts parts_;
};

}  // namespace gpsclock
