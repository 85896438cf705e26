// A notification area the tests can see into and click on; it can also be missing altogether.
#pragma once

#include "platform/notification_icon.h"

namespace gpsclock {

class FakeNotificationIcon : public NotificationIcon {
 public:
  bool Add() override {
    if (!available) return false;
    shown = true;
    return true;
  }
  void SetTip(const std::string& text) override { tip = text; }
  void Remove() override {
    shown = false;
    ++removes;
  }
  void SetClickHandler(std::function<void(Click)> handler) override {
    handler_ = std::move(handler);
  }

  void SetAreaLostHandler(std::function<void()> handler) override {
    areaLostHandler_ = std::move(handler);
  }

  void ClickWith(Click click) {
    if (handler_) handler_(click);
  }
  // The notification area goes away, as when the panel holding it ends.
  void LoseArea() {
    available = false;
    if (shown && areaLostHandler_) areaLostHandler_();
  }

  bool available = true;
  bool shown = false;
  std::string tip;
  int removes = 0;

 private:
  std::function<void(Click)> handler_;
  std::function<void()> areaLostHandler_;
};

}  // namespace gpsclock
