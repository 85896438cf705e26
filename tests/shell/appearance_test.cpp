// The windows' texts, colours, fonts and list entries as the user first sees them.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>

#include "shell/round_indicator.h"
#include "shell_fixture.h"

namespace gpsclock {
namespace {

const QColor kBlackColour(0, 0, 0);
const QColor kBrightGreenColour(0, 255, 0);
const QColor kDarkGreenColour(0, 128, 0);

class AppearanceTest : public ShellTest {
 protected:
  void SetUp() override {
    Start();
    Click("guanyu");
    windows = {{"Form1", &Form1()}, {"Form2", &Form2()}, {"frmAbout", Form1().OpenAboutBox()}};
  }
  QWidget* Element(const char* window, const char* name) {
    return Find<QWidget>(*windows.at(window), name);
  }
  std::map<std::string, QWidget*> windows;
};

TEST_F(AppearanceTest, ClockLabelsAreGreenOnBlackAndIndicatorsShowTheirStartState) {
  struct ColourCase {
    const char* element;
    QColor text;
  };
  for (const ColourCase& c : {ColourCase{"LSDISD", kBrightGreenColour},
                              {"LSDIS", kBrightGreenColour},
                              {"LDISD", kBrightGreenColour},
                              {"LDIS", kDarkGreenColour}}) {
    SCOPED_TRACE(c.element);
    QWidget* label = Element("Form1", c.element);
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_EQ(label->palette().color(QPalette::Window), kBlackColour);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), c.text);
  }
  struct FillCase {
    const char* element;
    QColor fill;
  };
  for (const FillCase& c : {FillCase{"Shape1", kDarkGreenColour},
                            {"Shape2", kDarkGreenColour},
                            {"Shape3", kBrightGreenColour}}) {
    SCOPED_TRACE(c.element);
    EXPECT_EQ(Find<RoundIndicator>(Form1(), c.element)->Fill(), c.fill);
  }
}

TEST_F(AppearanceTest, LogViewStartsWithItsHeadingReadOnlyWithBothScrollBars) {
  auto* box = qobject_cast<QPlainTextEdit*>(Element("Form1", "text1"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->toPlainText(), QStringLiteral("跟踪记录\n"));
  EXPECT_TRUE(box->isReadOnly());
  EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(AppearanceTest, SettingsDialogHasItsListsAndDefaultButton) {
  EXPECT_EQ(Element("Form2", "Combo3")->palette().color(QPalette::Text), QColor(255, 0, 0));
  EXPECT_FALSE(Find<QComboBox>(Form2(), "Combo1")->isEditable());
  EXPECT_FALSE(Find<QComboBox>(Form2(), "Combo2")->isEditable());
  EXPECT_TRUE(Find<QComboBox>(Form2(), "Combo3")->isEditable());
  EXPECT_TRUE(Find<QPushButton>(Form2(), "Command1")->isDefault());
  EXPECT_FALSE(Element("Form2", "Option1")->isEnabled());
}

TEST_F(AppearanceTest, AboutBoxShowsTheIconAndStartsWithTheFocusOnOk) {
  auto* picture = qobject_cast<QLabel*>(Element("frmAbout", "picIcon"));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->pixmap().size(), QSize(32, 32));
  EXPECT_TRUE(Find<QPushButton>(*windows.at("frmAbout"), "cmdOK")->isDefault());
  EXPECT_TRUE(Element("frmAbout", "cmdOK")->hasFocus() ||
              windows.at("frmAbout")->focusWidget() == Element("frmAbout", "cmdOK"));
}

TEST_F(AppearanceTest, AboutBoxContactBlockPutsEachItemOnALineOfItsOwn) {
  auto* label = qobject_cast<QLabel*>(Element("frmAbout", "lblDisclaimer"));
  ASSERT_NE(label, nullptr);
  QStringList items;
  const QFontMetrics metrics(label->font());
  auto match = QRegularExpression(QStringLiteral("(\\S+)( *)")).globalMatch(label->text());
  while (match.hasNext()) {
    const QRegularExpressionMatch item = match.next();
    items << item.captured(1);
    // Each item with its blanks is wider than the label, so the next item starts a new line.
    if (match.hasNext()) {
      EXPECT_GT(metrics.horizontalAdvance(item.captured(0)), label->width());
    }
  }
  EXPECT_EQ(items, QStringList({"Zelvaro电子", "地址：示例省示例市示例路0号", "电话：0000-00000000",
                                "电话：0000-00000001"}));
  EXPECT_TRUE(label->wordWrap());
}

TEST_F(AppearanceTest, TheIconHasALargeAndASmallImage) {
  const QIcon icon = QApplication::windowIcon();
  EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
  EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
  const QImage large = icon.pixmap(32, 32).toImage();
  const QImage small = icon.pixmap(16, 16).toImage();
  EXPECT_EQ(large.pixelColor(0, 0), kBlackColour);
  EXPECT_EQ(small.pixelColor(0, 0).alpha(), 0);
  // Blue sea and green land fill the middle of the globe.
  bool blue = false;
  bool green = false;
  for (int y = 8; y < 24; ++y) {
    for (int x = 8; x < 24; ++x) {
      const QColor c = large.pixelColor(x, y);
      blue = blue || (c.blue() > 0 && c.red() == 0 && c.green() == 0);
      green = green || (c.green() > 0 && c.red() == 0 && c.blue() == 0);
    }
  }
  EXPECT_TRUE(blue);
  EXPECT_TRUE(green);
  for (const QImage& image : {large, small}) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    }
    EXPECT_LE(colours.size(), 16);
  }
}

}  // namespace
}  // namespace gpsclock
