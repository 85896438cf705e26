// The notification-area icon through QSystemTrayIcon.
#pragma once

#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

#include "platform/notification_icon.h"

namespace gpsclock {

class QtNotificationIcon : public QObject, public NotificationIcon {
 public:
  // Call after the application object is made.
  explicit QtNotificationIcon(const QIcon& icon);

  bool Add() override;
  void SetTip(const std::string& tip) override;
  void Remove() override;
  void SetClickHandler(std::function<void(Click)> handler) override;
  void SetAreaLostHandler(std::function<void()> handler) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Reports the click from the event loop, after the icon has finished handling the mouse event:
  // the handler may take the icon away, which destroys the icon's window on some desktops.
  void ReportLater(Click click);
  void WatchArea();

  QSystemTrayIcon trayIcon_;
  QTimer areaWatch_;
  std::function<void(Click)> handler_;
  std::function<void()> areaLostHandler_;
};

}  // namespace gpsclock
