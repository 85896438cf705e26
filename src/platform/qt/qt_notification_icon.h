// The notification-area icon through QSystemTrayIcon.
#pragma once

#include <QIcon>
#include <QSystemTrayIcon>

#include "platform/notification_icon.h"

namespace gpsclock {

class QtNotificationIcon : public NotificationIcon {
 public:
  explicit QtNotificationIcon(const QIcon& icon);

  bool Add() override;
  void SetTip(const std::string& tip) override;
  void Remove() override;
  void SetClickHandler(std::function<void(Click)> handler) override;

 private:
  QSystemTrayIcon trayIcon_;
  std::function<void(Click)> handler_;
};

}  // namespace gpsclock
