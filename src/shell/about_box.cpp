// frmAbout is built from its design table; its texts are fixed and nothing changes them.
#include "shell/about_box.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "elements/window_elements.h"
#include "platform/qt/system_info_launcher.h"
#include "shell/globe_icon.h"
#include "shell/layout/program_title.h"
#include "shell/model_colour.h"
#include "shell/twips.h"

namespace gpsclock {
namespace {

constexpr char kCaption[] = "版本信息   Zelvaro电子";
constexpr char kSysInfoUnavailable[] = "此时系统信息无效";
constexpr int kClientWidthTwips = 7275;
constexpr int kClientHeightTwips = 3360;
constexpr int kClientLeftTwips = 3690;
constexpr int kClientTopTwips = 3165;
constexpr Colour kGrey = 0x808080;

// The maker's contact block: each item is followed by more blanks than a line of the label
// holds, so the next item starts on a line of its own.
constexpr const char* kContactItems[] = {"Zelvaro电子", "地址：示例省示例市示例路0号",
                                         "电话：0000-00000000", "电话：0000-00000001"};
constexpr int kContactPadding = 40;

enum class PartKind { kPicture, kLabel, kLine, kButton };

struct PartDesign {
  const char* name;
  PartKind kind;
  const char* text;
  TwipsRect place;
  Colour colour;  // a label's text, a line's colour
};

// cmdOK comes first in the tab order. The two lines make one etched separator: grey above white.
constexpr PartDesign kParts[] = {
    {"cmdOK", PartKind::kButton, "确定", {5520, 2400, 1500, 345}, kBlack},
    {"cmdSysInfo", PartKind::kButton, "系统信息(&S)...", {5520, 2880, 1485, 345}, kBlack},
    {"picIcon", PartKind::kPicture, "", {240, 240, 540, 540}, kBlack},
    {"lblTitle",
     PartKind::kLabel,
     "Zelvaro科技 GPS卫星时钟微机对时程序",
     {1080, 240, 2925, 360},
     kBlack},
    {"lblVersion", PartKind::kLabel, "Ver 7.0   2007年7月", {4200, 240, 3885, 225}, kBlack},
    {"lblDescription",
     PartKind::kLabel,
     "本程序通过COM 口接收GPS卫星时钟发送的对时信息,自动修正后给微机对时,在锁定状态下的对时精度"
     "(9600波特率时)达1毫秒.当系统时钟与GPS时钟相差在一天内，系统时钟将逐步逼近GPS时钟。在每个小"
     "时的10分钟-50分钟内对时，其它时间不对时。",
     {960, 840, 6045, 1170},
     kBlack},
    {"Line1(1)", PartKind::kLine, "", {105, 2025, 6975, 15}, kGrey},
    {"Line1(0)", PartKind::kLine, "", {120, 2040, 6960, 30}, kWhite},
    {"lblDisclaimer", PartKind::kLabel, "", {840, 2160, 3630, 1050}, kBlack},
};

QString ContactBlock() {
  QStringList items;
  for (const char* item : kContactItems) items << QString::fromUtf8(item);
  return items.join(QString(kContactPadding, QLatin1Char(' ')));
}

QWidget* CreatePart(const PartDesign& design, QWidget* box) {
  QPalette palette = box->palette();
  switch (design.kind) {
    case PartKind::kPicture: {
      auto* picture = new QLabel(box);
      picture->setPixmap(GlobePicture());
      picture->setAlignment(Qt::AlignCenter);
      return picture;
    }
    case PartKind::kLabel: {
      auto* label = new QLabel(QString::fromUtf8(design.text), box);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setWordWrap(true);
      palette.setColor(QPalette::WindowText, ToQColor(design.colour));
      label->setPalette(palette);
      return label;
    }
    case PartKind::kLine: {
      auto* line = new QWidget(box);
      palette.setColor(QPalette::Window, ToQColor(design.colour));
      line->setPalette(palette);
      line->setAutoFillBackground(true);
      return line;
    }
    case PartKind::kButton:
      return new QPushButton(QString::fromUtf8(design.text), box);
  }
  return nullptr;
}

}  // namespace

AboutBox::AboutBox() : QDialog(nullptr) {
  setObjectName("frmAbout");
  setWindowTitle(QString::fromUtf8(kCaption));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setGeometry(TwipsToPixels(kClientLeftTwips), TwipsToPixels(kClientTopTwips),
              TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
  setFixedSize(size());
  for (const PartDesign& design : kParts) {
    QWidget* part = CreatePart(design, this);
    part->setObjectName(design.name);
    part->setGeometry(TwipsToPixels(design.place));
  }
  findChild<QLabel*>("lblDisclaimer")->setText(ContactBlock());
  auto* ok = findChild<QPushButton*>("cmdOK");
  auto* sysInfo = findChild<QPushButton*>("cmdSysInfo");
  // cmdOK is the default button for Enter; Esc rejects the dialog, which closes it as well.
  ok->setDefault(true);
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(sysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(); });
}

void AboutBox::StartSysInfo() {
  if (StartSystemInfoProgram()) return;
  QMessageBox message(QMessageBox::NoIcon, QString::fromUtf8(kProgramTitle),
                      QString::fromUtf8(kSysInfoUnavailable), QMessageBox::Ok, this);
  message.exec();
}

}  // namespace gpsclock
