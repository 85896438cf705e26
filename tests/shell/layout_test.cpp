// Every element of the three windows at its designed place, and the windows' own frames.
#include <QMenuBar>
#include <cmath>
#include <map>

#include "shell_fixture.h"

namespace gpsclock {
namespace {

struct Placement {
  const char* window;
  const char* element;
  int left;  // twips, in the element's container
  int top;
  int width;
  int height;
};

// clang-format off
const Placement kPlacements[] = {
    {"Form1", "Label8", 360, 5040, 1215, 255},
    {"Form1", "Label9", 1680, 5040, 4335, 255},
    {"Form1", "Label2", 1200, 240, 975, 255},
    {"Form1", "Shape1", 960, 240, 135, 135},
    {"Form1", "Frame1", 360, 600, 2415, 1452},
    {"Form1", "LSDISD", 240, 240, 1935, 495},
    {"Form1", "LSDIS", 240, 840, 1935, 495},
    {"Form1", "Label6", 3240, 240, 975, 255},
    {"Form1", "Shape2", 3000, 240, 135, 135},
    {"Form1", "Frame2", 3480, 600, 2415, 1455},
    {"Form1", "LDISD", 240, 240, 1935, 495},
    {"Form1", "LDIS", 240, 840, 1935, 495},
    {"Form1", "Label7", 5160, 240, 855, 255},
    {"Form1", "Shape3", 4920, 240, 135, 135},
    {"Form1", "text1", 360, 2760, 5775, 2175},
    {"Form2", "Frame1", 360, 480, 2412, 1455},
    {"Form2", "Label1", 120, 480, 612, 252},
    {"Form2", "Label2", 120, 960, 732, 252},
    {"Form2", "Combo1", 1320, 840, 1092, 276},
    {"Form2", "Combo2", 1320, 1320, 1092, 276},
    {"Form2", "Frame2", 3000, 480, 2775, 735},
    {"Form2", "Option1", 240, 240, 732, 372},
    {"Form2", "Option2", 1560, 240, 732, 372},
    {"Form2", "Frame3", 3000, 1320, 2775, 615},
    {"Form2", "Label4", 120, 240, 735, 255},
    {"Form2", "Combo3", 840, 240, 615, 300},
    {"Form2", "Label5", 1560, 240, 1095, 255},
    {"Form2", "Label3", 240, 2040, 2655, 615},
    {"Form2", "Command1", 3240, 2280, 972, 372},
    {"Form2", "Command2", 4680, 2280, 972, 372},
    {"Form2", "Label6", 240, 2760, 5655, 255},
    {"frmAbout", "picIcon", 240, 240, 540, 540},
    {"frmAbout", "lblTitle", 1080, 240, 2925, 360},
    {"frmAbout", "lblVersion", 4200, 240, 3885, 225},
    {"frmAbout", "lblDescription", 960, 840, 6045, 1170},
    {"frmAbout", "Line1(1)", 105, 2025, 6975, 15},
    {"frmAbout", "Line1(0)", 120, 2040, 6960, 30},
    {"frmAbout", "lblDisclaimer", 840, 2160, 3630, 1050},
    {"frmAbout", "cmdOK", 5520, 2400, 1500, 345},
    {"frmAbout", "cmdSysInfo", 5520, 2880, 1485, 345},
};
// clang-format on

// 15 twips to the device-independent pixel, to the nearest pixel.
int Pixels(int twips) {
  return static_cast<int>(std::lround(twips / 15.0));
}

QRect Pixels(const Placement& p) {
  return {Pixels(p.left), Pixels(p.top), Pixels(p.width), Pixels(p.height)};
}

bool HasNoMinimiseOrMaximise(const QWidget& window) {
  return !(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST_F(ShellTest, EveryElementOfTheThreeWindowsSitsAtItsDesignedPlace) {
  Start();
  Click("guanyu");
  const std::map<std::string, QWidget*> containers = {{"Form1", Form1().centralWidget()},
                                                      {"Form2", &Form2()},
                                                      {"frmAbout", Form1().OpenAboutBox()}};
  for (const Placement& placement : kPlacements) {
    SCOPED_TRACE(std::string(placement.window) + " " + placement.element);
    QWidget* element = containers.at(placement.window)->findChild<QWidget*>(placement.element);
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->geometry(), Pixels(placement));
  }
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
  EXPECT_EQ(about->minimumSize(), about->maximumSize());
  EXPECT_TRUE(HasNoMinimiseOrMaximise(*about));
  EXPECT_FALSE(about->isModal());
  EXPECT_EQ(about->windowTitle(), QStringLiteral("版本信息   Zelvaro电子"));
}

}  // namespace
}  // namespace gpsclock
