// Start-up from the configuration variants: settings, port, display and timers afterwards.
#include <gtest/gtest.h>

#include "support/simulated_platform.h"

namespace gpsclock {
namespace {

TEST(StartUp, WithoutConfigurationLeavesThePortClosedWithTheReadersDefaults) {
  SimulatedProgram sim;
  sim.Start("");
  const Program& program = sim.program;
  EXPECT_EQ(program.Settings().BaudCode, 1);
  EXPECT_EQ(program.Settings().PortNumber, 1);
  EXPECT_TRUE(program.Port().PortClosed());
  EXPECT_EQ(program.Settings().ErrorDaysText, "5");
  EXPECT_EQ(program.Settings().ErrorDays, 5);  // from the dialog reader, which ran first
  EXPECT_FALSE(program.Settings().SyncWhenUnlocked);
  EXPECT_TRUE(program.Sync().SyncEnabled());
  EXPECT_TRUE(program.Lock().FirstStatusPending());
  EXPECT_TRUE(sim.platform.Timer1.IsEnabled());
  EXPECT_TRUE(sim.platform.serial.Calls().empty());
  EXPECT_EQ(program.window.Label2.Caption(), "串口已断开");
  EXPECT_EQ(program.window.Disconnect.Caption(), "串口连接");
  EXPECT_EQ(program.window.Shape1.Fill(), kDarkGreen);
  // The dialog was loaded hidden with its own reader's defaults: port 1, 9600 baud, 5 days.
  EXPECT_EQ(program.dialog.State(), DialogState::kLoadedHidden);
  EXPECT_EQ(program.dialog.Combo1Index(), 0);
  EXPECT_EQ(program.dialog.Combo2Index(), 3);
  EXPECT_EQ(program.dialog.Combo3Index(), 5);
  EXPECT_FALSE(program.dialog.Option1Enabled());
}

TEST(StartUp, InitialisesTheReceiverState) {
  SimulatedProgram sim;
  sim.Start("4,1,0,5\r\n");
  // The month lengths show in the decoding tests' carries at the ends of months.
  const Program& program = sim.program;
  EXPECT_FALSE(program.Assembler().FrameArmed());
  EXPECT_FALSE(program.Assembler().FrameReady());
  EXPECT_EQ(program.Assembler().RxCount(), 0);
  EXPECT_FALSE(program.Lock().Locked());
  EXPECT_FALSE(program.Lock().PrevLocked());
}

struct StartUpCase {
  const char* name;
  const char* config;
  std::vector<std::string> serialCalls;
  std::int16_t baudCode;
  std::int16_t portNumber;
  std::int16_t baudDelayMs;
  bool syncWhenUnlocked;
  const char* errorDaysText;
  bool portOpen;

  friend void PrintTo(const StartUpCase& c, std::ostream* out) { *out << c.name; }
};

class StartUpFromConfiguration : public testing::TestWithParam<StartUpCase> {};

TEST_P(StartUpFromConfiguration, SetsTheSettingsAndOpensThePort) {
  const StartUpCase& c = GetParam();
  SimulatedProgram sim;
  sim.Start(c.config);
  const Program& program = sim.program;
  EXPECT_EQ(sim.platform.serial.Calls(), c.serialCalls);
  EXPECT_EQ(program.Settings().BaudCode, c.baudCode);
  EXPECT_EQ(program.Settings().PortNumber, c.portNumber);
  EXPECT_EQ(program.Port().BaudDelayMs(), c.baudDelayMs);
  EXPECT_EQ(program.Settings().SyncWhenUnlocked, c.syncWhenUnlocked);
  EXPECT_EQ(program.Settings().ErrorDaysText, c.errorDaysText);
  EXPECT_EQ(sim.platform.serial.IsOpen(), c.portOpen);
  EXPECT_EQ(program.Port().PortClosed(), !c.portOpen);
  EXPECT_EQ(program.window.Label2.Caption(), c.portOpen ? "串口已开启" : "串口已断开");
  EXPECT_EQ(program.window.Disconnect.Caption(), c.portOpen ? "断开串口" : "串口连接");
  EXPECT_EQ(program.window.Shape1.Fill(), c.portOpen ? kBrightGreen : kDarkGreen);
  EXPECT_FALSE(program.Port().Retrying());
}

const std::vector<std::string> kOpenPort1At9600 = {"Settings 9600,n,8,1", "CommPort 1",
                                                   "InputMode 0", "Open"};

INSTANTIATE_TEST_SUITE_P(
    Variants, StartUpFromConfiguration,
    testing::Values(
        StartUpCase{"Standard", "4,1,0,5\r\n", kOpenPort1At9600, 4, 1, 1, false, "5", true},
        StartUpCase{"Port2At4800",
                    "3,2,0,5\r\n",
                    {"Settings 4800,n,8,1", "CommPort 2", "InputMode 0", "Open"},
                    3,
                    2,
                    2,
                    false,
                    "5",
                    true},
        StartUpCase{"TwoFieldsWithoutLineEnd",
                    "3,2",
                    {"Settings 4800,n,8,1", "CommPort 2", "InputMode 0", "Open"},
                    3,
                    2,
                    2,
                    false,
                    "5",
                    true},
        StartUpCase{"SyncWhenUnlockedByHand", "4,1,1,5\r\n", kOpenPort1At9600, 4, 1, 1, true, "5",
                    true},
        StartUpCase{"AnythingButOneIsOff", "4,1,yes,2\r\n", kOpenPort1At9600, 4, 1, 1, false, "2",
                    true},
        StartUpCase{"EmptyPortFieldOpensNothing", "4,,0,5\r\n", {}, 4, 1, 0, false, "5", false},
        // A code without a speed or a number that is no port 1..8 opens nothing in their place.
        StartUpCase{"BaudCodeOutsideTheTable", "7,1,0,5\r\n", {}, 7, 1, 0, false, "5", false},
        StartUpCase{"BaudCodeZero", "x,1,0,5\r\n", {}, 0, 1, 0, false, "5", false},
        StartUpCase{"PortNumberZero", "4,0,0,5\r\n", {}, 4, 0, 0, false, "5", false},
        StartUpCase{"PortNumberNegative", "4,-1,0,5\r\n", {}, 4, -1, 0, false, "5", false},
        StartUpCase{"PortNumberNine", "4,9,0,5\r\n", {}, 4, 9, 0, false, "5", false},
        // Too large for 16 bits: the port number keeps what the dialog reader left.
        StartUpCase{"PortNumberOutOfRange", "4,65537,0,5\r\n", {}, 4, 0, 0, false, "5", false},
        StartUpCase{"BlanksAroundFields",
                    "4, 2 ,0 ,3\r\n",
                    {"Settings 9600,n,8,1", "CommPort 2", "InputMode 0", "Open"},
                    4,
                    2,
                    1,
                    false,
                    "3",
                    true}),
    [](const testing::TestParamInfo<StartUpCase>& info) { return info.param.name; });

TEST(StartUp, PortThatCannotBeOpenedIsShownClosedAndTriedAgain) {
  SimulatedProgram sim;
  sim.platform.serial.SetOpenFails(true);
  sim.Start("4,3,0,5\r\n");
  EXPECT_TRUE(sim.program.Port().PortClosed());
  EXPECT_EQ(sim.program.window.Label2.Caption(), "串口已断开");
  EXPECT_EQ(sim.program.window.Disconnect.Caption(), "串口连接");
  EXPECT_EQ(sim.program.window.Shape1.Fill(), kDarkGreen);
  EXPECT_TRUE(sim.platform.Timer1.IsEnabled());
  EXPECT_TRUE(sim.program.Sync().SyncEnabled());
  EXPECT_TRUE(sim.program.Port().Retrying());
}

}  // namespace
}  // namespace gpsclock
