// Each check reads the program's state and the simulated platform's records; what an event changed
// is told from what the previous event left.
#include "soak/program_invariants.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/civil_time.h"
#include "platform/posix/iconv_text_encoder.h"
#include "receiver/frame_assembler.h"
#include "receiver/lock_log.h"

namespace gpsclock {
namespace {

constexpr std::int16_t kRxCountCap = 42;
constexpr std::int16_t kDecodePosition = frame::kStatusPosition;
constexpr std::int16_t kEndPosition = frame::kLfPosition;
constexpr std::size_t kRawTextLength = frame::kLastRawPosition;
constexpr std::size_t kLongestPortSettings = std::string_view("9600,n,8,1").size();
constexpr int kFirstMinuteOfWindow = 10;
constexpr int kLastMinuteOfWindow = 50;
// An outright set is allowed within 10 s in whole seconds: 11 s with the milliseconds.
constexpr Nanoseconds kOutrightSetReach = 11 * kNanosecondsPerSecond;
// Days per month 1..12 as the carry of a locked frame knows them; month 00 keeps 29.
constexpr std::array<int, 13> kLongestDay = {29, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool InRange(int value, int lowest, int highest) {
  return value >= lowest && value <= highest;
}

// What the decode makes of any two digits: 0..99, the year 2000..2099.
bool IsDecodedRange(const GpsTime& time) {
  return InRange(time.Second, 0, 99) && InRange(time.Minute, 0, 99) && InRange(time.Hour, 0, 99) &&
         InRange(time.Month, 0, 99) && InRange(time.Day, 0, 99) && InRange(time.Year, 2000, 2099);
}

// What the one-second advance of a locked frame leaves: a time of day, a month 0..12 (00 stays)
// and a day no later than its month's last (00 stays), the year 2100 after 31 December 2099.
bool IsAdvancedRange(const GpsTime& time) {
  if (!InRange(time.Second, 0, 59) || !InRange(time.Minute, 0, 59) || !InRange(time.Hour, 0, 23) ||
      !InRange(time.Month, 0, 12) || !InRange(time.Year, 2000, 2100)) {
    return false;
  }
  const int longestDay = time.Month == 2 && time.Year % 4 == 0 ? 29 : kLongestDay[time.Month];
  return InRange(time.Day, 0, longestDay);
}

bool IsSameDate(const LocalTimeRecord& a, const LocalTimeRecord& b) {
  return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day;
}

bool HoldsReceivedTime(const LocalTimeRecord& record, const GpsTime& time,
                       std::int16_t milliseconds) {
  return record.Year == time.Year && record.Month == time.Month && record.Day == time.Day &&
         record.Hour == time.Hour && record.Minute == time.Minute && record.Second == time.Second &&
         record.Milliseconds == milliseconds;
}

// The event text a lock line ends with, or nothing for any other line.
std::string_view EventTextOf(std::string_view line) {
  for (const std::string_view text : {kLockLostText, kLockedText, kLockRestoredText}) {
    if (line.ends_with(text)) return text;
  }
  return {};
}

std::string Describe(const GpsTime& time) {
  return std::to_string(time.Year) + "-" + std::to_string(time.Month) + "-" +
         std::to_string(time.Day) + " " + std::to_string(time.Hour) + ":" +
         std::to_string(time.Minute) + ":" + std::to_string(time.Second);
}

std::string Describe(const LocalTimeRecord& record) {
  return std::to_string(record.Year) + "-" + std::to_string(record.Month) + "-" +
         std::to_string(record.Day) + " " + std::to_string(record.Hour) + ":" +
         std::to_string(record.Minute) + ":" + std::to_string(record.Second) + "." +
         std::to_string(record.Milliseconds);
}

}  // namespace

ProgramInvariants::ProgramInvariants(SimulatedProgram& sim, ViolationHandler onViolation)
    : sim_(sim), onViolation_(std::move(onViolation)) {}

void ProgramInvariants::CheckAfterEvent() {
  ++eventsChecked_;
  const FrameAssembler& state = sim_.program.Assembler();
  // The 15th character of an armed frame decodes it; an armed frame's 40th that disarms it has
  // passed the end check.
  const bool decoded =
      rxCount_ == kDecodePosition - 1 && state.RxCount() == kDecodePosition && state.FrameArmed();
  const bool endCheckPassed = rxCount_ == kEndPosition - 1 && frameArmed_ &&
                              state.RxCount() == kEndPosition && !state.FrameArmed();
  // A start byte that used up the waiting frame while synchronisation was on is an on-time mark.
  if (frameReady_ && !state.FrameReady() && sim_.program.Sync().SyncEnabled() && AtStartByte()) {
    ++marksSeen_;
    readingAtMark_ = CivilRecord(sim_.platform.clock.Time());
  }
  CheckReceiveBuffer();
  CheckReceivedTime(decoded);
  CheckClockSets(decoded);
  CheckLogView(endCheckPassed);
  CheckTrackingLog();
  CheckDisplays();
  rxCount_ = state.RxCount();
  frameArmed_ = state.FrameArmed();
  frameReady_ = state.FrameReady();
  receivedTime_ = state.ReceivedTime();
  prevLocked_ = sim_.program.Lock().PrevLocked();
  appendedLines_ = sim_.program.window.text1.AppendedCount();
}

void ProgramInvariants::ForgetCheckedSets() {
  sim_.platform.clock.ClearRecords();
  checkedSets_ = 0;
}

void ProgramInvariants::Expect(bool holds, const char* invariant,
                               const SimulatedClock::SetCall* set) {
  ++invariantsChecked_;
  if (holds) return;
  std::string context = Context();
  if (set) {
    context += ", set from " + Describe(CivilRecord(set->before)) + " to " + Describe(set->record);
  }
  onViolation_(std::string(invariant) + " (" + context + ")");
}

bool ProgramInvariants::AtStartByte() const {
  return sim_.platform.serial.Input() == std::string(1, frame::kStartByte) &&
         sim_.program.Assembler().RxCount() == 0;
}

void ProgramInvariants::CheckReceiveBuffer() {
  Expect(InRange(sim_.program.Assembler().RxCount(), 0, kRxCountCap), "RxCount stays within 0..42");
  Expect(sim_.program.window.Label9.Caption().size() <= kRawTextLength,
         "Label9 shows at most positions 1..38");
}

void ProgramInvariants::CheckReceivedTime(bool decoded) {
  const GpsTime& time = sim_.program.Assembler().ReceivedTime();
  if (decoded) {
    decodedOnce_ = true;
    lastDecodeLocked_ = sim_.program.Assembler().Status() == frame::kLocked;
  } else {
    Expect(time == receivedTime_, "ReceivedTime changes only at a decode");
  }
  if (!decodedOnce_) {
    Expect(time == GpsTime{}, "ReceivedTime stays zero until the first decode");
  } else if (lastDecodeLocked_) {
    Expect(IsAdvancedRange(time), "a locked frame's time is carried into a valid time and day");
  } else {
    Expect(IsDecodedRange(time), "a decoded field holds two digits");
  }
}

void ProgramInvariants::CheckClockSets(bool decoded) {
  const Program& program = sim_.program;
  const auto& sets = sim_.platform.clock.Sets();
  if (sets.size() == checkedSets_) return;
  Expect(sets.size() == checkedSets_ + 1, "the clock is set at most once per event");
  Expect(decoded, "the clock is set only at the decode of the frame that a mark began");
  Expect(!program.Assembler().FrameReady(), "a set uses up the waiting frame");
  Expect(program.Sync().SyncEnabled(), "no set while synchronisation is off");
  // Noise after a stray start byte may decode as unlocked meanwhile; the mark's own frame counts.
  Expect(program.Assembler().WaitingFrameLocked() || program.Settings().SyncWhenUnlocked,
         "no set for a frame of an unlocked receiver");
  for (; checkedSets_ < sets.size(); ++checkedSets_) CheckClockSet(sets[checkedSets_]);
}

// A set is judged against the reading at its mark, which the rules decided on, and moves the
// clock from where it is at the set.
void ProgramInvariants::CheckClockSet(const SimulatedClock::SetCall& set) {
  const LocalTimeRecord& reading = readingAtMark_;
  const LocalTimeRecord& asked = set.record;
  Expect(IsCivilTime(asked), "every set asks for a valid local time", &set);
  Expect(IsSameDate(asked, reading), "no set changes the date", &set);
  Expect(asked.DayOfWeek == reading.DayOfWeek, "a set keeps the day of week as read", &set);
  if (set.moved != 0) {
    Expect(InRange(reading.Minute, kFirstMinuteOfWindow, kLastMinuteOfWindow),
           "no set changes the clock outside minutes 10..50", &set);
  }
  const Nanoseconds askedTime = CivilNanoseconds(asked);
  const bool oneSecondAtMost = !set.asOf && (set.moved == 0 || set.moved == kNanosecondsPerSecond ||
                                             set.moved == -kNanosecondsPerSecond);
  const bool outright = set.asOf &&
                        HoldsReceivedTime(asked, sim_.program.Assembler().MarkTime(),
                                          sim_.program.Port().BaudDelayMs()) &&
                        std::abs(askedTime - CivilNanoseconds(reading)) < kOutrightSetReach;
  Expect(oneSecondAtMost || outright,
         "a set moves the clock by one second at most, or outright to the received time within "
         "10 s",
         &set);
}

void ProgramInvariants::CheckLogView(bool endCheckPassed) {
  const Program& program = sim_.program;
  const LogView& view = sim_.program.window.text1;
  Expect(view.Lines().size() <= LogView::kMaxLines, "text1 keeps at most 1000 lines");
  const std::size_t appended =
      std::min<std::size_t>(view.AppendedCount() - appendedLines_, view.Lines().size());
  newLockLines_.clear();
  bool lostLine = false;
  bool restoredLine = false;
  for (auto line = view.Lines().end() - static_cast<std::ptrdiff_t>(appended);
       line != view.Lines().end(); ++line) {
    if (*line == kLogWriteFailedText || *line == kClockSetFailedText) continue;
    const std::string_view eventText = EventTextOf(*line);
    Expect(!eventText.empty(), "text1 gets only lock lines and failure notices");
    Expect(endCheckPassed, "a lock line is written only for a frame that passed its end check");
    Expect(*line == FormatLogLine(program.Assembler().ReceivedTime(), eventText),
           "a lock line carries the received time");
    lostLine = lostLine || eventText == kLockLostText;
    restoredLine = restoredLine || eventText == kLockRestoredText;
    ++lockLinesShown_;
    newLockLines_ += IconvTextEncoder().Utf8ToGbk(*line + "\r\n").value_or("");
  }
  if (program.Lock().PrevLocked() != prevLocked_) {
    Expect(program.Lock().PrevLocked() ? restoredLine : lostLine,
           "every change of the lock status has its line");
  }
}

void ProgramInvariants::CheckTrackingLog() {
  const SimulatedFiles& files = sim_.platform.files;
  if (files.Writes() == fileWrites_) return;
  fileWrites_ = files.Writes();
  const std::string log = files.Contents(std::string(kTrackingLogFileName)).value_or("");
  if (log == trackingLog_) return;
  Expect(log.starts_with(trackingLog_) && log.substr(trackingLog_.size()) == newLockLines_,
         "the tracking log gains exactly the lock lines of the event");
  trackingLog_ = log;
}

void ProgramInvariants::CheckDisplays() {
  const Program& program = sim_.program;
  const MainWindowModel& window = program.window;
  const bool open = sim_.platform.serial.IsOpen();
  Expect(program.Port().PortClosed() == !open, "PortClosed tells whether the port is open");
  Expect(window.Label2.Caption() == (open ? kPortOpenCaption : kPortClosedCaption) &&
             window.Shape1.Fill() == (open ? kBrightGreen : kDarkGreen) &&
             window.Disconnect.Caption() == (open ? kDisconnectCaption : kConnectCaption),
         "the port display shows whether the port is open");
  Expect(window.Label6.Caption() == (program.Lock().Locked() ? kLockedCaption : kNotLockedCaption),
         "Label6 shows the lock status");
  const bool sync = program.Sync().SyncEnabled();
  Expect(window.Shape3.Fill() == (sync ? kBrightGreen : kDarkGreen) &&
             window.StopTime.Caption() == (sync ? kForbidSyncCaption : kAllowSyncCaption) &&
             window.Label7.Caption() == (sync ? kSyncStatusCaption : kSyncStoppedCaption),
         "the synchronisation switch shows its state");
  Expect(program.Port().PortSettings().size() <= kLongestPortSettings,
         "PortSettings holds one settings text");
}

std::string ProgramInvariants::Context() const {
  const FrameAssembler& state = sim_.program.Assembler();
  return "at virtual " + std::to_string(sim_.platform.time.Now() / kNanosecondsPerMillisecond) +
         " ms, RxCount " + std::to_string(state.RxCount()) + ", ReceivedTime " +
         Describe(state.ReceivedTime()) + ", PC " +
         Describe(CivilRecord(sim_.platform.clock.Time()));
}

}  // namespace gpsclock
