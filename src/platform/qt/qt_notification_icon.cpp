// Qt reports a right-button click on the icon as the context activation. On an XEmbed notification
// area (the icon is a window of the program's own inside the area) it does so at the press; there
// the press is kept from the icon and the click reported at the release over it.
#include "platform/qt/qt_notification_icon.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <optional>

namespace gpsclock {
namespace {

// The class of the icon's window on an XEmbed notification area.
constexpr char kEmbeddedIconClass[] = "QSystemTrayIconSys";
// How often a shown icon checks that the notification area is still there.
constexpr int kAreaWatchPeriodMs = 500;

std::optional<NotificationIcon::Click> ClickOf(QSystemTrayIcon::ActivationReason reason) {
  switch (reason) {
    case QSystemTrayIcon::Context:
      return NotificationIcon::Click::kContext;
    case QSystemTrayIcon::Trigger:
      return NotificationIcon::Click::kTrigger;
    case QSystemTrayIcon::DoubleClick:
      return NotificationIcon::Click::kDoubleClick;
    case QSystemTrayIcon::MiddleClick:
      return NotificationIcon::Click::kMiddleClick;
    case QSystemTrayIcon::Unknown:
      break;
  }
  return std::nullopt;
}

}  // namespace

QtNotificationIcon::QtNotificationIcon(const QIcon& icon) : trayIcon_(icon) {
  QObject::connect(&trayIcon_, &QSystemTrayIcon::activated, this,
                   [this](QSystemTrayIcon::ActivationReason reason) {
                     if (const std::optional<Click> click = ClickOf(reason)) ReportLater(*click);
                   });
  QCoreApplication::instance()->installEventFilter(this);
  areaWatch_.setInterval(kAreaWatchPeriodMs);
  QObject::connect(&areaWatch_, &QTimer::timeout, this, [this] { WatchArea(); });
}

bool QtNotificationIcon::Add() {
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return false;
  trayIcon_.show();
  if (!trayIcon_.isVisible()) return false;
  areaWatch_.start();
  return true;
}

void QtNotificationIcon::SetTip(const std::string& tip) {
  trayIcon_.setToolTip(QString::fromStdString(tip));
}

void QtNotificationIcon::Remove() {
  areaWatch_.stop();
  trayIcon_.hide();
}

void QtNotificationIcon::SetClickHandler(std::function<void(Click)> handler) {
  handler_ = std::move(handler);
}

void QtNotificationIcon::SetAreaLostHandler(std::function<void()> handler) {
  areaLostHandler_ = std::move(handler);
}

bool QtNotificationIcon::eventFilter(QObject* watched, QEvent* event) {
  const bool press = event->type() == QEvent::MouseButtonPress;
  const bool release = event->type() == QEvent::MouseButtonRelease;
  if ((!press && !release) || !watched->inherits(kEmbeddedIconClass)) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() != Qt::RightButton) return false;
  // The button may be released after the pointer has left the icon: no click then.
  if (release && static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
    ReportLater(Click::kContext);
  }
  return true;
}

void QtNotificationIcon::ReportLater(Click click) {
  QMetaObject::invokeMethod(
      this,
      [this, click] {
        if (handler_) handler_(click);
      },
      Qt::QueuedConnection);
}

void QtNotificationIcon::WatchArea() {
  if (QSystemTrayIcon::isSystemTrayAvailable()) return;
  areaWatch_.stop();
  if (areaLostHandler_) areaLostHandler_();
}

}  // namespace gpsclock
