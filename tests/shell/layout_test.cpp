// The three windows as the Qt builder makes them from their designs, and the windows' own frames.
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include "shell/layout/about_box_design.h"
#include "shell/layout/main_window_design.h"
#include "shell/layout/settings_dialog_design.h"
#include "shell/model_colour.h"
#include "shell_fixture.h"

namespace gpsclock {
namespace {

const QStringList kSongFaces = {"SimSun", "AR PL SungtiL GB", "Noto Serif CJK SC"};
// The desktop's font for the dialogs and the menus.
constexpr int kDialogPointSize = 9;

QString TextOf(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  return {};
}

QString NameOf(const WindowDesign& window, int element) {
  return QString::fromUtf8(window.elements[element].name);
}

// The focusable elements in the order the focus moves through them, from the first one on.
QStringList FocusChain(QWidget& window, const QStringList& focusable) {
  QStringList order;
  QWidget* first = window.findChild<QWidget*>(focusable.front());
  QWidget* widget = first;
  do {
    if (focusable.contains(widget->objectName()) && !order.contains(widget->objectName())) {
      order << widget->objectName();
    }
    widget = widget->nextInFocusChain();
  } while (widget != first);
  return order;
}

TEST_F(ShellTest, EveryElementOfTheThreeWindowsIsBuiltWhereAndAsItsDesignSays) {
  Start();
  Click("guanyu");
  const std::pair<const WindowDesign*, QWidget*> windows[] = {
      {&kMainWindowDesign, Form1().centralWidget()},
      {&kSettingsDialogDesign, &Form2()},
      {&kAboutBoxDesign, Form1().OpenAboutBox()}};
  for (const auto& [design, client] : windows) {
    QWidget* window = client->window();
    SCOPED_TRACE(std::string(design->name));
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(design->title));
    EXPECT_EQ(client->size(),
              QSize(TwipsToPixels(design->client.width), TwipsToPixels(design->client.height)));
    if (const auto place = design->position) {
      EXPECT_EQ(window->geometry().topLeft(),
                QPoint(TwipsToPixels(place->left), TwipsToPixels(place->top)));
    }
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(window->isModal());
    for (const ElementDesign& element : design->elements) {
      SCOPED_TRACE(std::string(design->name) + " " + std::string(element.name));
      auto* widget = client->findChild<QWidget*>(QString::fromUtf8(element.name));
      ASSERT_NE(widget, nullptr);
      EXPECT_EQ(widget->parentWidget(),
                element.container == kClientArea
                    ? client
                    : client->findChild<QWidget*>(NameOf(*design, element.container)));
      const PixelRect place = TwipsToPixels(element.place);
      EXPECT_EQ(widget->geometry(), QRect(place.left, place.top, place.width, place.height));
      const QFont font = widget->font();
      EXPECT_EQ(font.families(), kSongFaces);
      EXPECT_EQ(font.pointSize(), element.pointSize != kWindowFont    ? element.pointSize
                                  : design->pointSize != kDefaultFont ? design->pointSize
                                                                      : kDialogPointSize);
      // A Song face is installed, so no sans face stands in for it.
      EXPECT_TRUE(kSongFaces.contains(QFontInfo(font).family()));
      const QPalette palette = widget->palette();
      if (element.foreground) {
        EXPECT_EQ(palette.color(element.kind == ElementKind::kLine ? QPalette::Window
                                                                   : QPalette::WindowText),
                  ToQColor(*element.foreground));
      }
      if (element.background) {
        EXPECT_EQ(palette.color(QPalette::Base), ToQColor(*element.background));
      }
      // The clock labels and the log view show the model's texts from the start.
      if (element.kind != ElementKind::kClockLabel && element.kind != ElementKind::kLogBox) {
        EXPECT_EQ(TextOf(widget), QString::fromUtf8(element.caption));
      }
    }
    for (const ListDesign& list : design->lists) {
      auto* combo = client->findChild<QComboBox*>(NameOf(*design, list.list));
      ASSERT_EQ(combo->count(), static_cast<int>(list.entries.size()));
      for (int i = 0; i < combo->count(); ++i) {
        EXPECT_EQ(combo->itemText(i), QString::fromUtf8(list.entries[i].text));
        EXPECT_EQ(combo->itemData(i).toInt(), list.entries[i].itemData);
      }
    }
    QStringList focusable;
    for (int element : TabOrder(*design)) focusable << NameOf(*design, element);
    EXPECT_EQ(FocusChain(*window, focusable).join(' ').toStdString(),
              focusable.join(' ').toStdString());
  }
}

TEST_F(ShellTest, MainWindowHasItsClientAreaBelowTheMenuBarAndTheDialogsNoOwner) {
  Start();
  Click("guanyu");
  EXPECT_EQ(Form1().centralWidget()->y(), Form1().menuBar()->geometry().bottom() + 1);
  EXPECT_EQ(Form1().size(), QSize(428, Form1().menuBar()->height() + 368));
  EXPECT_EQ(Form1().geometry().topLeft(), QPoint(177, 161));
  EXPECT_EQ(Form2().parentWidget(), nullptr);
  EXPECT_EQ(Form1().OpenAboutBox()->parentWidget(), nullptr);
}

}  // namespace
}  // namespace gpsclock
