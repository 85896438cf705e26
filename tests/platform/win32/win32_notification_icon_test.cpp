// The tray icon's callback message: each mouse message over the icon becomes the click it is, the
// right button's release the one that brings the window back, and the rest is ignored.
#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/win32_notification_icon.h"

namespace gpsclock {
namespace {

using Click = NotificationIcon::Click;

TEST(Win32NotificationIconTest, ButtonReleasesAndTheDoubleClickBecomeClicks) {
  Win32NotificationIcon icon(nullptr);
  ASSERT_NE(icon.Window(), nullptr);
  std::vector<Click> clicks;
  icon.SetClickHandler([&clicks](Click click) { clicks.push_back(click); });
  for (const UINT mouse : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                           WM_RBUTTONDOWN, WM_MBUTTONUP, WM_RBUTTONUP}) {
    SendMessageW(icon.Window(), kTrayCallbackMessage, 0, mouse);
  }
  EXPECT_EQ(clicks, (std::vector{Click::kTrigger, Click::kDoubleClick, Click::kMiddleClick,
                                 Click::kContext}));
}

}  // namespace
}  // namespace gpsclock
