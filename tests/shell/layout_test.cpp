// The three windows as the Qt builder makes them from their designs, and the windows' own frames.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include "shell/layout/about_box_design.h"
#include "shell/layout/main_window_design.h"
#include "shell/layout/settings_dialog_design.h"
#include "shell_fixture.h"

namespace gpsclock {
namespace {

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
    EXPECT_EQ(FocusChain(*client->window(), focusable).join(' ').toStdString(),
              focusable.join(' ').toStdString());
  }
}

bool HasNoMinimiseOrMaximise(const QWidget& window) {
  return !(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST_F(ShellTest, MainWindowHasItsClientAreaBelowTheMenuBarAndAFixedSize) {
  Start();
  QWidget* client = Form1().centralWidget();
  EXPECT_EQ(client->size(), QSize(428, 368));
  EXPECT_EQ(client->y(), Form1().menuBar()->geometry().bottom() + 1);
  EXPECT_EQ(Form1().height(), Form1().menuBar()->height() + 368);
  EXPECT_EQ(Form1().width(), 428);
  EXPECT_EQ(Form1().minimumSize(), Form1().maximumSize());
  EXPECT_TRUE(HasNoMinimiseOrMaximise(Form1()));
  EXPECT_EQ(Form1().windowTitle(), QStringLiteral("GPS卫星时钟对时7.0  Zelvaro电子"));
  EXPECT_EQ(Form1().geometry().topLeft(), QPoint(177, 161));
}

TEST_F(ShellTest, SettingsDialogIsAFixedWindowWithoutOwner) {
  Start();
  EXPECT_EQ(Form2().size(), QSize(408, 207));
  EXPECT_EQ(Form2().minimumSize(), Form2().maximumSize());
  EXPECT_TRUE(HasNoMinimiseOrMaximise(Form2()));
  EXPECT_EQ(Form2().parentWidget(), nullptr);
  EXPECT_FALSE(Form2().isModal());
  EXPECT_EQ(Form2().windowTitle(), QStringLiteral("Zelvaro电子 GPS卫星时钟微机对时配置"));
}

TEST_F(ShellTest, AboutBoxIsAFixedModelessWindow) {
  Start();
  Click("guanyu");
  QWidget* about = Form1().OpenAboutBox();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->size(), QSize(485, 224));
  EXPECT_EQ(about->geometry().topLeft(), QPoint(246, 211));
  EXPECT_EQ(about->minimumSize(), about->maximumSize());
  EXPECT_TRUE(HasNoMinimiseOrMaximise(*about));
  EXPECT_FALSE(about->isModal());
  EXPECT_EQ(about->windowTitle(), QStringLiteral("版本信息   Zelvaro电子"));
}

}  // namespace
}  // namespace gpsclock
