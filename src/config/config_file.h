// config.cfg: one line of four comma-separated fields (baud code, port number, sync-when-unlocked,
// error days), read by the start-up reader and the dialog reader, written by the dialog's OK.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace gpsclock {

struct Program;

inline constexpr std::string_view kConfigFileName = "config.cfg";

// The first four fields, blanks around them removed; a missing field is empty.
using ConfigFields = std::array<std::string, 4>;
ConfigFields ParseConfigFields(std::string_view bytes);

enum class PortField { kEmpty, kGiven };

// The start-up reader: ErrorDaysText, BaudCode, SyncWhenUnlocked, and PortNumber (an empty port
// field gives port 1, closed). Tells whether the port field was given, so the port is opened.
PortField ReadConfigAtStartUp(Program& program);
// The dialog reader: PortNumber, BaudCode, SyncWhenUnlocked, ErrorDaysText and ErrorDays.
void ReadConfigForDialog(Program& program);
// Writes BaudCode, PortNumber, "0" and ErrorDays as one line ended by CR LF.
bool WriteConfig(Program& program);

}  // namespace gpsclock
