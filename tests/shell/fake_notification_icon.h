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

  void ClickWith(Click click) {
    if (handler_) handler_(click);
  }

  bool available = true;
  bool shown = false;
  std::string tip;
  int removes = 0;

 private:
  std::function<void(Click)> handler_;
};

}  // namespace gpsclock
