// Port control through the program's commands: the Disconnect toggle, the settings dialog's
// reopen and a port that goes away, with the serial calls made and the port-state display.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/simulated_platform.h"

namespace gpsclock {
namespace {

using Calls = std::vector<std::string>;

// The port state as the main window shows it.
struct PortDisplay {
  bool PortClosed;
  std::string Disconnect;
  std::string Label2;
  Colour Shape1;

  friend bool operator==(const PortDisplay&, const PortDisplay&) = default;
  friend std::ostream& operator<<(std::ostream& out, const PortDisplay& d) {
    return out << "PortClosed " << d.PortClosed << ", Disconnect \"" << d.Disconnect
               << "\", Label2 \"" << d.Label2 << "\", Shape1 " << d.Shape1;
  }
};

const PortDisplay kOpen{false, "断开串口", "串口已开启", kBrightGreen};
const PortDisplay kClosed{true, "串口连接", "串口已断开", kDarkGreen};

PortDisplay Display(const Program& program) {
  return {program.Port().PortClosed(), program.window.Disconnect.Caption(),
          program.window.Label2.Caption(), program.window.Shape1.Fill()};
}

// Starts with `config`, the start-up open failing or not, then decides whether the opens after it
// fail and forgets the serial calls made so far.
void StartWithFailingOpens(SimulatedProgram& sim, const char* config, bool startUpOpenFails,
                           bool laterOpensFail) {
  sim.platform.serial.SetOpenFails(startUpOpenFails);
  sim.Start(config);
  sim.platform.serial.SetOpenFails(laterOpensFail);
  sim.platform.serial.ClearCalls();
}

const Nanoseconds kTwentyPastNoon = CivilNanoseconds(2024, 5, 1, 12, 20, 0);

struct ToggleCase {
  const char* name;
  const char* config;
  bool startUpOpenFails;
  bool toggleOpenFails;
  Calls calls;
  PortDisplay display;
  std::int16_t baudDelayMs;

  friend void PrintTo(const ToggleCase& c, std::ostream* out) { *out << c.name; }
};

class Toggle : public testing::TestWithParam<ToggleCase> {};

TEST_P(Toggle, OpensOrClosesAndShowsThePortsRealState) {
  const ToggleCase& c = GetParam();
  SimulatedProgram sim;
  StartWithFailingOpens(sim, c.config, c.startUpOpenFails, c.toggleOpenFails);
  sim.platform.Timer1.Disable();
  sim.program.OnDisconnectCommand();
  EXPECT_EQ(sim.platform.serial.Calls(), c.calls);
  EXPECT_EQ(Display(sim.program), c.display);
  EXPECT_EQ(sim.platform.serial.IsOpen(), !c.display.PortClosed);
  EXPECT_EQ(sim.program.Port().BaudDelayMs(), c.baudDelayMs);
  EXPECT_TRUE(sim.platform.Timer1.IsEnabled());
  // Only a port that exists in the settings but failed to open is tried again.
  EXPECT_EQ(sim.platform.PortRetry.IsEnabled(), c.toggleOpenFails);
}

INSTANTIATE_TEST_SUITE_P(
    FromStartUp, Toggle,
    testing::Values(
        ToggleCase{"OpenPortCloses", "4,1,0,5\r\n", false, false, {"Close"}, kClosed, 1},
        ToggleCase{"ClosedPortOpens",
                   "3,,0,5\r\n",
                   false,
                   false,
                   {"Settings 4800,n,8,1", "CommPort 1", "InputMode 0", "Open"},
                   kOpen,
                   2},
        // The failed start-up open was shown closed, so the toggle opens; nothing to close.
        ToggleCase{"AfterAFailedStartUpOpenOpens",
                   "4,3,0,5\r\n",
                   true,
                   false,
                   {"Settings 9600,n,8,1", "CommPort 3", "InputMode 0", "Open"},
                   kOpen,
                   1},
        ToggleCase{"OpenThatFailsShowsClosed",
                   "4,,0,5\r\n",
                   false,
                   true,
                   {"Settings 9600,n,8,1", "CommPort 1", "InputMode 0", "Open"},
                   kClosed,
                   1},
        // No speed for code 7 and no port 9: nothing is opened in their place.
        ToggleCase{"BaudCodeOutsideTheTable", "7,,0,5\r\n", false, false, {}, kClosed, 0},
        ToggleCase{"PortNumberOutsideOneToEight", "4,9,0,5\r\n", false, false, {}, kClosed, 0}),
    [](const testing::TestParamInfo<ToggleCase>& info) { return info.param.name; });

TEST(PortToggle, TwiceFromOpenReopensWithTheSameSettingsAndNoStaleFrame) {
  SimulatedProgram sim;
  sim.Start("4,1,0,5\r\n", kTwentyPastNoon);
  SimulatedDevice device(sim.platform, kTwentyPastNoon);
  device.Run(2);
  ASSERT_TRUE(sim.program.Assembler().FrameReady());
  ASSERT_EQ(sim.platform.clock.Sets().size(), 1u);  // the mark between the two frames set it

  sim.platform.serial.ClearCalls();
  sim.program.OnDisconnectCommand();
  EXPECT_FALSE(sim.program.Assembler().FrameReady());
  EXPECT_EQ(Display(sim.program), kClosed);
  sim.program.OnDisconnectCommand();
  EXPECT_FALSE(sim.program.Assembler().FrameReady());
  EXPECT_EQ(Display(sim.program), kOpen);
  const Calls calls = {"Close", "Settings 9600,n,8,1", "CommPort 1", "InputMode 0", "Open"};
  EXPECT_EQ(sim.platform.serial.Calls(), calls);

  // The first start byte after the reopen is no on-time mark: the clock is set only at the start
  // byte that follows the next complete frame.
  sim.platform.clock.ClearRecords();
  device.Run(1);
  EXPECT_TRUE(sim.program.Assembler().FrameReady());
  EXPECT_TRUE(sim.platform.clock.Sets().empty());
  device.Run(1);
  EXPECT_EQ(sim.platform.clock.Sets().size(), 1u);
}

TEST(PortToggle, OpenThatFailedIsTriedAgainByTheNextToggle) {
  SimulatedProgram sim;
  sim.Start("4,,0,5\r\n");
  sim.platform.serial.SetOpenFails(true);
  sim.program.OnDisconnectCommand();
  ASSERT_EQ(Display(sim.program), kClosed);
  sim.platform.serial.SetOpenFails(false);
  sim.platform.serial.ClearCalls();
  sim.program.OnDisconnectCommand();
  const Calls calls = {"Settings 9600,n,8,1", "CommPort 1", "InputMode 0", "Open"};
  EXPECT_EQ(sim.platform.serial.Calls(), calls);
  EXPECT_EQ(Display(sim.program), kOpen);
  EXPECT_TRUE(sim.platform.serial.IsOpen());
}

TEST(PortLost, WhileOpenShowsClosedAndTheToggleOpensItAgain) {
  SimulatedProgram sim;
  sim.Start("4,1,0,5\r\n", kTwentyPastNoon);
  SimulatedDevice device(sim.platform, kTwentyPastNoon);
  device.Run(2);
  ASSERT_TRUE(sim.program.Assembler().FrameReady());
  sim.platform.serial.ClearCalls();

  sim.platform.serial.LosePort();
  EXPECT_EQ(Display(sim.program), kClosed);
  EXPECT_FALSE(sim.program.Assembler().FrameReady());
  EXPECT_TRUE(sim.platform.serial.Calls().empty());  // the layer has closed it already

  sim.program.OnDisconnectCommand();
  const Calls calls = {"Settings 9600,n,8,1", "CommPort 1", "InputMode 0", "Open"};
  EXPECT_EQ(sim.platform.serial.Calls(), calls);
  EXPECT_EQ(Display(sim.program), kOpen);
  const std::string frame = MakeFrame(device.NextGpsTime(), 'A');
  device.Run(1);
  EXPECT_TRUE(sim.program.Assembler().FrameReady());
  EXPECT_EQ(sim.program.window.Label9.Caption(), frame.substr(1, 38));
}

// A device pulled out and plugged back in, or not there yet when the port is opened: the program
// opens the port by itself, every 2 s, as long as the user did not close it; a port the user
// closed stays closed.
struct RetryCase {
  const char* name;
  void (*failToOpen)(SimulatedProgram&);  // with every open failing from now on

  friend void PrintTo(const RetryCase& c, std::ostream* out) { *out << c.name; }
};

class PortNotOpened : public testing::TestWithParam<RetryCase> {};

TEST_P(PortNotOpened, IsOpenedAgainEveryTwoSecondsUntilTheDeviceIsThereUnlessTheUserClosedIt) {
  constexpr Nanoseconds kSecond = kNanosecondsPerSecond;
  SimulatedProgram sim;
  GetParam().failToOpen(sim);
  sim.platform.time.AdvanceBy(3 * kSecond);
  EXPECT_EQ(Display(sim.program), kClosed);  // tried once at 2 s, the device still away

  sim.platform.serial.SetOpenFails(false);
  sim.platform.time.AdvanceBy(kSecond - 1);
  EXPECT_EQ(Display(sim.program), kClosed);
  sim.platform.time.AdvanceBy(1);
  EXPECT_EQ(Display(sim.program), kOpen);  // at 4 s
  EXPECT_EQ(sim.platform.serial.OpenedAs(), "COM1 at 9600,n,8,1");
  EXPECT_FALSE(sim.platform.PortRetry.IsEnabled());

  sim.platform.serial.LosePort();
  sim.program.OnDisconnectCommand();  // the user opens it at once...
  sim.program.OnDisconnectCommand();  // ...and closes it
  sim.platform.time.AdvanceBy(10 * kSecond);
  EXPECT_EQ(Display(sim.program), kClosed);
  EXPECT_FALSE(sim.platform.serial.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Failures, PortNotOpened,
                         testing::Values(RetryCase{"LostWhileOpen",
                                                   [](SimulatedProgram& sim) {
                                                     sim.Start("4,1,0,5\r\n");
                                                     sim.platform.serial.SetOpenFails(true);
                                                     sim.platform.serial.LosePort();
                                                   }},
                                         RetryCase{"MissingAtStartUp",
                                                   [](SimulatedProgram& sim) {
                                                     sim.platform.serial.SetOpenFails(true);
                                                     sim.Start("4,1,0,5\r\n");
                                                   }},
                                         RetryCase{"MissingWhenOpenedByTheToggle",
                                                   [](SimulatedProgram& sim) {
                                                     sim.Start("4,,0,5\r\n");
                                                     sim.platform.serial.SetOpenFails(true);
                                                     sim.program.OnDisconnectCommand();
                                                   }},
                                         RetryCase{"MissingWhenReopenedByTheDialog",
                                                   [](SimulatedProgram& sim) {
                                                     sim.Start("4,1,0,5\r\n");
                                                     sim.platform.serial.SetOpenFails(true);
                                                     sim.program.OnSetPortCommand();
                                                     sim.program.OnDialogOk();
                                                   }}),
                         [](const testing::TestParamInfo<RetryCase>& info) {
                           return info.param.name;
                         });

struct ReopenCase {
  const char* name;
  const char* config;
  bool startUpOpenFails;
  int combo1;  // entry index: port number - 1
  int combo2;  // entry index: baud code - 1
  bool reopenFails;
  Calls calls;
  PortDisplay display;

  friend void PrintTo(const ReopenCase& c, std::ostream* out) { *out << c.name; }
};

class DialogReopen : public testing::TestWithParam<ReopenCase> {};

TEST_P(DialogReopen, ReopensOnlyAnOpenPortAndLeavesTheDisplayAlone) {
  const ReopenCase& c = GetParam();
  SimulatedProgram sim;
  StartWithFailingOpens(sim, c.config, c.startUpOpenFails, c.reopenFails);
  const std::int16_t baudDelayBefore = sim.program.Port().BaudDelayMs();
  sim.program.OnSetPortCommand();
  sim.program.dialog.SelectCombo1(c.combo1);
  sim.program.dialog.SelectCombo2(c.combo2);
  sim.program.OnDialogOk();
  EXPECT_EQ(sim.platform.serial.Calls(), c.calls);
  EXPECT_EQ(Display(sim.program), c.display);
  EXPECT_EQ(sim.platform.serial.IsOpen(), !c.display.PortClosed);
  EXPECT_EQ(sim.program.Port().BaudDelayMs(), baudDelayBefore);
  EXPECT_EQ(sim.program.dialog.State(), DialogState::kNotLoaded);
}

INSTANTIATE_TEST_SUITE_P(
    FromStartUp, DialogReopen,
    testing::Values(
        ReopenCase{"ClosedPortIsLeftAlone", "4,,0,5\r\n", false, 4, 2, false, {}, kClosed},
        ReopenCase{"PortShownClosedAfterAFailedOpenIsLeftAlone",
                   "4,3,0,5\r\n",
                   true,
                   4,
                   2,
                   false,
                   {},
                   kClosed},
        ReopenCase{"NewSpeed",
                   "4,1,0,5\r\n",
                   false,
                   0,
                   2,
                   false,
                   {"Close", "Settings 4800,n,8,1", "CommPort 1", "Open"},
                   kOpen},
        ReopenCase{"NewPort",
                   "4,1,0,5\r\n",
                   false,
                   3,
                   3,
                   false,
                   {"Close", "Settings 9600,n,8,1", "CommPort 4", "Open"},
                   kOpen},
        ReopenCase{"ReopenThatFailsShowsClosed",
                   "4,1,0,5\r\n",
                   false,
                   0,
                   0,
                   true,
                   {"Close", "Settings 1200,n,8,1", "CommPort 1", "Open"},
                   kClosed}),
    [](const testing::TestParamInfo<ReopenCase>& info) { return info.param.name; });

TEST(DialogReopenThenToggle, NewSpeedOnAnOpenPortKeepsTheBaudDelayUntilTheNextToggleOpen) {
  SimulatedProgram sim;
  sim.Start("4,1,0,5\r\n");
  sim.program.OnSetPortCommand();
  sim.program.dialog.SelectCombo2(2);  // 4800
  sim.program.OnDialogOk();
  EXPECT_EQ(sim.platform.serial.OpenedAs(), "COM1 at 4800,n,8,1");
  EXPECT_EQ(sim.program.Port().BaudDelayMs(), 1);

  sim.program.OnDisconnectCommand();
  sim.platform.serial.ClearCalls();
  sim.program.OnDisconnectCommand();
  const Calls calls = {"Settings 4800,n,8,1", "CommPort 1", "InputMode 0", "Open"};
  EXPECT_EQ(sim.platform.serial.Calls(), calls);
  EXPECT_EQ(sim.program.Port().BaudDelayMs(), 2);
}

TEST(DialogReopenThenToggle, ChoiceMadeWhileClosedIsOpenedByTheNextToggle) {
  SimulatedProgram sim;
  sim.Start("4,,0,5\r\n");
  sim.program.OnSetPortCommand();
  sim.program.dialog.SelectCombo1(4);  // port 5
  sim.program.dialog.SelectCombo2(2);  // 4800
  sim.program.OnDialogOk();
  ASSERT_TRUE(sim.platform.serial.Calls().empty());
  EXPECT_EQ(sim.platform.files.Contents("config.cfg"), "3,5,0,5\r\n");

  sim.program.OnDisconnectCommand();
  const Calls calls = {"Settings 4800,n,8,1", "CommPort 5", "InputMode 0", "Open"};
  EXPECT_EQ(sim.platform.serial.Calls(), calls);
  EXPECT_EQ(sim.platform.serial.OpenedAs(), "COM5 at 4800,n,8,1");
  EXPECT_EQ(sim.program.Port().BaudDelayMs(), 2);
  EXPECT_EQ(Display(sim.program), kOpen);
}

TEST(DialogReopenThenToggle, PortThatFailedToReopenIsOpenedByTheNextToggle) {
  SimulatedProgram sim;
  sim.Start("4,1,0,5\r\n");
  sim.platform.serial.SetOpenFails(true);
  sim.program.OnSetPortCommand();
  sim.program.OnDialogOk();
  ASSERT_EQ(Display(sim.program), kClosed);
  sim.platform.serial.SetOpenFails(false);
  sim.platform.serial.ClearCalls();
  sim.program.OnDisconnectCommand();
  const Calls calls = {"Settings 9600,n,8,1", "CommPort 1", "InputMode 0", "Open"};
  EXPECT_EQ(sim.platform.serial.Calls(), calls);
  EXPECT_EQ(Display(sim.program), kOpen);
}

}  // namespace
}  // namespace gpsclock
