// One builder for every window: the widget kinds, twips to pixels at Qt's device-independent 96
// dpi, 宋体 through SongFont, and the menu bar of a QMainWindow.
#include "shell/qt_window_builder.h"

#include <QDialog>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <utility>

#include "shell/globe_icon.h"
#include "shell/model_colour.h"
#include "shell/song_font.h"

namespace gpsclock {
namespace {

QRect ToQRect(const PixelRect& rect) {
  return {rect.left, rect.top, rect.width, rect.height};
}

// The widget made for the element at `index`, as the class its kind gives.
template <typename Widget = QWidget>
Widget* At(const std::vector<QWidget*>& widgets, int index) {
  return static_cast<Widget*>(widgets[static_cast<std::size_t>(index)]);
}

// The widget class its kind gives, made with the arguments of that class's constructor.
template <ElementKind kind, typename... Arguments>
auto* Make(Arguments&&... arguments) {
  return new typename QtWidget<kind>::Type(std::forward<Arguments>(arguments)...);
}

QWidget* CreateElement(const ElementDesign& design, QWidget* container) {
  const QString caption = QString::fromUtf8(design.caption);
  switch (design.kind) {
    case ElementKind::kLabel: {
      QLabel* label = Make<ElementKind::kLabel>(caption, container);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setWordWrap(true);
      return label;
    }
    case ElementKind::kClockLabel: {
      QLabel* label = Make<ElementKind::kClockLabel>(caption, container);
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      label->setAutoFillBackground(true);
      return label;
    }
    case ElementKind::kIndicator:
      return Make<ElementKind::kIndicator>(container);
    case ElementKind::kFrame:
      return Make<ElementKind::kFrame>(caption, container);
    case ElementKind::kLogBox:
      return Make<ElementKind::kLogBox>(container);
    case ElementKind::kList:
      return Make<ElementKind::kList>(container);
    case ElementKind::kEditableList: {
      QComboBox* combo = Make<ElementKind::kEditableList>(container);
      combo->setEditable(true);
      // What the user types stays typed text; it never becomes a new entry.
      combo->setInsertPolicy(QComboBox::NoInsert);
      return combo;
    }
    case ElementKind::kOption:
      return Make<ElementKind::kOption>(caption, container);
    case ElementKind::kButton:
      return Make<ElementKind::kButton>(caption, container);
    case ElementKind::kPicture: {
      QLabel* picture = Make<ElementKind::kPicture>(container);
      picture->setPixmap(GlobePicture());
      picture->setAlignment(Qt::AlignCenter);
      return picture;
    }
    case ElementKind::kLine: {
      QWidget* line = Make<ElementKind::kLine>(container);
      line->setAutoFillBackground(true);
      return line;
    }
  }
  return nullptr;
}

void ApplyColours(QWidget& widget, const ElementDesign& design) {
  if (!design.foreground && !design.background) return;
  QPalette palette = widget.palette();
  if (design.foreground && design.kind == ElementKind::kLine) {
    palette.setColor(QPalette::Window, ToQColor(*design.foreground));
  } else if (design.foreground) {
    palette.setColor(QPalette::WindowText, ToQColor(*design.foreground));
    palette.setColor(QPalette::Text, ToQColor(*design.foreground));
  }
  if (design.background) {
    const bool list = IsList(design.kind);
    palette.setColor(list ? QPalette::Base : QPalette::Window, ToQColor(*design.background));
    widget.setAutoFillBackground(!list);
  }
  widget.setPalette(palette);
}

std::vector<QWidget*> CreateElements(QWidget& client, const WindowDesign& design) {
  std::vector<QWidget*> widgets;
  for (const ElementDesign& element : design.elements) {
    QWidget* container =
        element.container == kClientArea ? &client : At(widgets, element.container);
    QWidget* widget = CreateElement(element, container);
    widget->setObjectName(QString::fromUtf8(element.name));
    widget->setGeometry(ToQRect(TwipsToPixels(element.place)));
    // Set on every widget: a frame's own font would otherwise pass to what it holds.
    widget->setFont(SongFont(PointSizeOf(design, element)));
    ApplyColours(*widget, element);
    widgets.push_back(widget);
  }
  for (const ListDesign& list : design.lists) {
    for (const ListEntry& entry : list.entries) {
      At<QComboBox>(widgets, list.list)->addItem(QString::fromUtf8(entry.text), entry.itemData);
    }
  }
  const std::vector<int> tabOrder = TabOrder(design);
  for (std::size_t i = 1; i < tabOrder.size(); ++i) {
    QWidget::setTabOrder(At(widgets, tabOrder[i - 1]), At(widgets, tabOrder[i]));
  }
  return widgets;
}

void SetButtonRoles(QWidget& window, const WindowDesign& design,
                    const std::vector<QWidget*>& widgets) {
  if (design.defaultButton != kNoElement) {
    auto* button = At<QPushButton>(widgets, design.defaultButton);
    button->setDefault(true);
    button->setFocus();
  }
  auto* dialog = qobject_cast<QDialog*>(&window);
  if (design.cancelButton != kNoElement && dialog) {
    QObject::connect(At<QPushButton>(widgets, design.cancelButton), &QPushButton::clicked, dialog,
                     &QDialog::reject);
  }
}

std::vector<QAction*> CreateMenus(QMenuBar& bar, const WindowDesign& design) {
  std::vector<QAction*> actions;
  std::vector<QMenu*> submenus(design.menu.size(), nullptr);
  for (std::size_t i = 0; i < design.menu.size(); ++i) {
    const MenuItemDesign& item = design.menu[i];
    QWidget* holder = item.submenuOf == kMenuBar
                          ? static_cast<QWidget*>(&bar)
                          : submenus[static_cast<std::size_t>(item.submenuOf)];
    if (HeadsSubmenu(design, static_cast<int>(i))) {
      submenus[i] = new QMenu(QString::fromUtf8(item.caption), holder);
      submenus[i]->setObjectName(QString::fromUtf8(item.name));
      holder->addAction(submenus[i]->menuAction());
      actions.push_back(submenus[i]->menuAction());
    } else {
      // An action placed directly in the bar carries out its command when clicked there.
      auto* action = new QAction(QString::fromUtf8(item.caption), holder);
      action->setObjectName(QString::fromUtf8(item.name));
      holder->addAction(action);
      actions.push_back(action);
    }
  }
  return actions;
}

}  // namespace

QtWindowParts BuildQtWindow(QWidget& window, const WindowDesign& design) {
  window.setObjectName(QString::fromUtf8(design.name));
  window.setWindowTitle(QString::fromUtf8(design.title));
  Qt::WindowFlags flags = window.windowType() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (design.minimizeMaximizeButtons) {
    flags |= Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
  }
  window.setWindowFlags(flags);

  auto* mainWindow = qobject_cast<QMainWindow*>(&window);
  QWidget* client = &window;
  if (mainWindow) {
    client = new QWidget(mainWindow);
    client->setObjectName("client");
    mainWindow->setCentralWidget(client);
  }
  if (design.pointSize != kDefaultFont) client->setFont(SongFont(design.pointSize));
  client->setFixedSize(TwipsToPixels(design.client.width), TwipsToPixels(design.client.height));

  QtWindowParts parts;
  parts.elements = CreateElements(*client, design);
  SetButtonRoles(window, design, parts.elements);
  if (mainWindow && !design.menu.empty()) parts.menu = CreateMenus(*mainWindow->menuBar(), design);

  // Around the client area the window grows by its menu bar, and no more.
  if (mainWindow) mainWindow->layout()->setSizeConstraint(QLayout::SetFixedSize);
  // A window's geometry leaves its frame out: the design's point is where its inside begins.
  if (design.position) {
    const QPoint place(TwipsToPixels(design.position->left), TwipsToPixels(design.position->top));
    window.setGeometry(QRect(place, mainWindow ? window.sizeHint() : window.size()));
  }
  return parts;
}

}  // namespace gpsclock
