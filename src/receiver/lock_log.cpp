// Lock status and tracking log. The file is opened and closed for every line; a line that cannot
// be written still reaches the log view, and the view says once that the file failed.
#include "receiver/lock_log.h"

#include "platform/text_encoding.h"
#include "receiver/program.h"

namespace gpsclock {
namespace {

void WriteLogLine(Program& program, std::string_view eventText) {
  ReceiverState& state = program.state;
  state.LogLine = FormatLogLine(state.ReceivedTime, eventText);
  const auto bytes = Utf8ToGbk(state.LogLine + "\r\n");
  const bool written = bytes && program.platform.files.Append(kTrackingLogFileName, *bytes);
  program.window.text1.AppendLine(state.LogLine);
  program.logWriteFailure.Record(written, program.window.text1);
}

}  // namespace

std::string FormatLogLine(const GpsTime& time, std::string_view eventText) {
  std::string line = std::to_string(time.Year) + "年" + std::to_string(time.Month) + "月" +
                     std::to_string(time.Day) + "日   " + std::to_string(time.Hour) + ":" +
                     std::to_string(time.Minute) + ":" + std::to_string(time.Second);
  line += eventText;
  return line;
}

void UpdateLockStatus(Program& program, bool locked) {
  program.settings.SignalUnlocked = !locked;
  program.state.Locked = locked;
  program.window.Label6.SetCaption(std::string(locked ? kLockedCaption : kNotLockedCaption));
}

// The rules are tested one after another: the first frame after start with status A writes two
// lines, because PrevLocked starts false.
void LogLockChange(Program& program) {
  ReceiverState& state = program.state;
  SharedSettings& settings = program.settings;
  if (settings.FirstStatusPending && !state.Locked) WriteLogLine(program, kLockLostText);
  if (settings.FirstStatusPending && state.Locked) WriteLogLine(program, kLockedText);
  if (state.PrevLocked && !state.Locked) WriteLogLine(program, kLockLostText);
  if (!state.PrevLocked && state.Locked) WriteLogLine(program, kLockRestoredText);
  state.PrevLocked = state.Locked;
  settings.FirstStatusPending = false;
}

}  // namespace gpsclock
