// The windows' texts, colours, fonts and list entries as the user first sees them.
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>

#include "shell/round_indicator.h"
#include "shell_fixture.h"

namespace gpsclock {
namespace {

const QColor kBlackColour(0, 0, 0);
const QColor kBrightGreenColour(0, 255, 0);
const QColor kDarkGreenColour(0, 128, 0);

QString TextOf(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) return box->toPlainText();
  return {};
}

struct TextCase {
  const char* window;
  const char* element;
  const char* text;
};

// clang-format off
const TextCase kInitialTexts[] = {
    {"Form1", "Label8", "串口原始信息:"},
    {"Form1", "Label9", ""},
    {"Form1", "Label2", "串口已断开"},
    {"Form1", "Label6", "卫星未锁定"},
    {"Form1", "Label7", "对时状态"},
    {"Form1", "Frame1", "系统时间"},
    {"Form1", "Frame2", "GPS时间"},
    {"Form1", "LDISD", ""},
    {"Form1", "LDIS", ""},
    {"Form1", "text1", "跟踪记录\n"},
    {"Form2", "Frame1", "串口设置"},
    {"Form2", "Label1", "串口："},
    {"Form2", "Label2", "波特率："},
    {"Form2", "Frame2", "GPS卫星未锁定时是否对时"},
    {"Form2", "Option1", "是"},
    {"Form2", "Option2", "否"},
    {"Form2", "Frame3", "误差范围设置"},
    {"Form2", "Label4", "误差超出"},
    {"Form2", "Label5", "天禁止对时"},
    {"Form2", "Label3", "为了时间更精确,推荐使用9600波特率.(GPS时钟端也应有同样的波特率)"},
    {"Form2", "Command1", "确   定"},
    {"Form2", "Command2", "取   消"},
    {"Form2", "Label6", ""},
    {"frmAbout", "lblTitle", "Zelvaro科技 GPS卫星时钟微机对时程序"},
    {"frmAbout", "lblVersion", "Ver 7.0   2007年7月"},
    {"frmAbout", "lblDescription", "本程序通过COM 口接收GPS卫星时钟发送的对时信息,自动修正后给微机对时,在锁定状态下的对时精度(9600波特率时)达1毫秒.当系统时钟与GPS时钟相差在一天内，系统时钟将逐步逼近GPS时钟。在每个小时的10分钟-50分钟内对时，其它时间不对时。"},
    {"frmAbout", "cmdOK", "确定"},
    {"frmAbout", "cmdSysInfo", "系统信息(&S)..."},
};
// clang-format on

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

TEST_F(AppearanceTest, EveryTextIsAsDesigned) {
  for (const TextCase& c : kInitialTexts) {
    SCOPED_TRACE(std::string(c.window) + " " + c.element);
    EXPECT_EQ(TextOf(Element(c.window, c.element)), QString::fromUtf8(c.text));
  }
}

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

TEST_F(AppearanceTest, MainWindowUsesSongFacesAtEighteenAndNinePoints) {
  struct FontCase {
    const char* element;
    int pointSize;
  };
  const FontCase cases[] = {{"client", 18}, {"LSDISD", 18}, {"LSDIS", 18}, {"LDISD", 18},
                            {"LDIS", 18},   {"Label8", 9},  {"Label9", 9}, {"Label2", 9},
                            {"Label6", 9},  {"Label7", 9},  {"Frame1", 9}, {"Frame2", 9},
                            {"text1", 9}};
  const QStringList songFaces = {"SimSun", "AR PL SungtiL GB", "Noto Serif CJK SC"};
  for (const FontCase& c : cases) {
    SCOPED_TRACE(c.element);
    const QFont font = Element("Form1", c.element)->font();
    EXPECT_EQ(font.families(), songFaces);
    EXPECT_EQ(font.pointSize(), c.pointSize);
    EXPECT_EQ(font.weight(), QFont::Normal);
    // A Song face is installed, so no sans face stands in for it.
    EXPECT_TRUE(songFaces.contains(QFontInfo(font).family()))
        << QFontInfo(font).family().toStdString();
  }
  EXPECT_EQ(Form2().font().families(), songFaces);
  EXPECT_EQ(Form2().font().pointSize(), 9);
}

TEST_F(AppearanceTest, LogViewIsReadOnlyWithBothScrollBars) {
  auto* box = qobject_cast<QPlainTextEdit*>(Element("Form1", "text1"));
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isReadOnly());
  EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(AppearanceTest, SettingsDialogListsHoldTheirEntriesWithItemData) {
  struct ListCase {
    const char* list;
    QStringList texts;
    int firstItemData;
  };
  const ListCase cases[] = {
      {"Combo1",
       {"串口 1", "串口 2", "串口 3", "串口 4", "串口 5", "串口 6", "串口 7", "串口 8"},
       1},
      {"Combo2", {"1200", "2400", "4800", "9600"}, 1},
      {"Combo3", {"0", "1", "2", "3", "4", "5"}, 0},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.list);
    auto* combo = Find<QComboBox>(Form2(), c.list);
    ASSERT_EQ(combo->count(), c.texts.size());
    for (int i = 0; i < combo->count(); ++i) {
      EXPECT_EQ(combo->itemText(i), c.texts[i]);
      EXPECT_EQ(combo->itemData(i).toInt(), c.firstItemData + i);
    }
  }
  EXPECT_FALSE(Find<QComboBox>(Form2(), "Combo1")->isEditable());
  EXPECT_FALSE(Find<QComboBox>(Form2(), "Combo2")->isEditable());
  EXPECT_TRUE(Find<QComboBox>(Form2(), "Combo3")->isEditable());
}

TEST_F(AppearanceTest, SettingsDialogHasItsColoursButtonsAndTabOrder) {
  const QColor red(255, 0, 0);
  EXPECT_EQ(Element("Form2", "Label4")->palette().color(QPalette::WindowText), red);
  EXPECT_EQ(Element("Form2", "Label5")->palette().color(QPalette::WindowText), red);
  EXPECT_EQ(Element("Form2", "Combo3")->palette().color(QPalette::Text), red);
  EXPECT_EQ(Element("Form2", "Combo3")->palette().color(QPalette::Base), QColor(255, 255, 255));
  EXPECT_EQ(Element("Form2", "Label3")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_TRUE(Find<QPushButton>(Form2(), "Command1")->isDefault());
  EXPECT_FALSE(Element("Form2", "Option1")->isEnabled());

  const QStringList focusable = {"Command1", "Combo2",   "Option1", "Option2",
                                 "Combo1",   "Command2", "Combo3"};
  QStringList order;
  QWidget* widget = Element("Form2", "Command1");
  do {
    if (focusable.contains(widget->objectName()) && !order.contains(widget->objectName())) {
      order << widget->objectName();
    }
    widget = widget->nextInFocusChain();
  } while (widget != Element("Form2", "Command1"));
  EXPECT_EQ(order, focusable);
}

TEST_F(AppearanceTest, AboutBoxShowsTheIconAndAnEtchedSeparator) {
  auto* picture = qobject_cast<QLabel*>(Element("frmAbout", "picIcon"));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->pixmap().size(), QSize(32, 32));
  EXPECT_EQ(Element("frmAbout", "Line1(1)")->palette().color(QPalette::Window),
            QColor(128, 128, 128));
  EXPECT_EQ(Element("frmAbout", "Line1(0)")->palette().color(QPalette::Window),
            QColor(255, 255, 255));
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
