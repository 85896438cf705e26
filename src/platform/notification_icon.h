// The program's icon in the desktop's notification area and the clicks made on it.
#pragma once

#include <functional>
#include <string>

namespace gpsclock {

class NotificationIcon {
 public:
  // How the user clicked the icon; kContext is the right button, released over the icon.
  enum class Click { kContext, kTrigger, kDoubleClick, kMiddleClick };

  virtual ~NotificationIcon() = default;
  // Shows the icon; false when the desktop has no notification area to show it in.
  virtual bool Add() = 0;
  virtual void SetTip(const std::string& tip) = 0;
  // Takes the icon away; an icon that is not shown stays away.
  virtual void Remove() = 0;
  virtual void SetClickHandler(std::function<void(Click)> handler) = 0;
  // Called when the notification area goes away while the icon is shown; the icon is then out of
  // the user's reach.
  virtual void SetAreaLostHandler(std::function<void()> handler) = 0;
};

}  // namespace gpsclock
