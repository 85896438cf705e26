// Qt reports a right-button click on the icon as the context activation.
#include "platform/qt/qt_notification_icon.h"

#include <optional>

namespace gpsclock {
namespace {

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
  // Queued: the click arrives after the icon has finished handling the mouse event, so the handler
  // may take the icon away, which destroys the icon's window on some desktops.
  QObject::connect(
      &trayIcon_, &QSystemTrayIcon::activated, &trayIcon_,
      [this](QSystemTrayIcon::ActivationReason reason) {
        const std::optional<Click> click = ClickOf(reason);
        if (click && handler_) handler_(*click);
      },
      Qt::QueuedConnection);
}

bool QtNotificationIcon::Add() {
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return false;
  trayIcon_.show();
  return trayIcon_.isVisible();
}

void QtNotificationIcon::SetTip(const std::string& tip) {
  trayIcon_.setToolTip(QString::fromStdString(tip));
}

void QtNotificationIcon::Remove() {
  trayIcon_.hide();
}

void QtNotificationIcon::SetClickHandler(std::function<void(Click)> handler) {
  handler_ = std::move(handler);
}

}  // namespace gpsclock
