// config.cfg: one line of four comma-separated fields (baud code, port number, sync-when-unlocked,
// error days), read by the start-up reader and the dialog reader, written by the dialog's OK.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "config/shared_settings.h"
#include "platform/program_files.h"

namespace gpsclock {

inline constexpr std::string_view kConfigFileName = "config.cfg";

// The first four fields, blanks around them removed; a missing field is empty.
using ConfigFields = std::array<std::string, 4>;
ConfigFields ParseConfigFields(std::string_view bytes);

enum class PortField { kEmpty, kGiven };

// The start-up reader: ErrorDaysText, BaudCode, SyncWhenUnlocked, and PortNumber (an empty port
// field gives port 1). Tells whether the port field was given: only then is the port opened.
PortField ReadConfigAtStartUp(ProgramFiles& files, SharedSettings& settings);
// The dialog reader: PortNumber, BaudCode, SyncWhenUnlocked, ErrorDaysText and ErrorDays.
void ReadConfigForDialog(ProgramFiles& files, SharedSettings& settings);
// Writes BaudCode, PortNumber, "0" and ErrorDays as one line ended by CR LF.
bool WriteConfig(ProgramFiles& files, SharedSettings& settings);

}  // namespace gpsclock
