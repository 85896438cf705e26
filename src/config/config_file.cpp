// Reading and writing config.cfg. A missing or unreadable file reads as four empty fields.
#include "config/config_file.h"

#include "config/number_conversion.h"

namespace gpsclock {
namespace {

enum Field { kBaudField, kPortField, kSyncWhenUnlockedField, kErrorDaysField };

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsFieldEnd(char c) {
  return c == ',' || c == '\r' || c == '\n';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

ConfigFields ReadFields(ProgramFiles& files) {
  const auto bytes = files.Read(kConfigFileName);
  return bytes ? ParseConfigFields(*bytes) : ConfigFields{};
}

}  // namespace

ConfigFields ParseConfigFields(std::string_view bytes) {
  ConfigFields fields;
  for (std::string& field : fields) {
    if (bytes.empty()) break;
    std::size_t end = 0;
    while (end < bytes.size() && !IsFieldEnd(bytes[end])) ++end;
    field = TrimBlanks(bytes.substr(0, end));
    // CR LF is one line end.
    if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() &&
        bytes[end + 1] == '\n')
      ++end;
    bytes.remove_prefix(std::min(end + 1, bytes.size()));
  }
  return fields;
}

PortField ReadConfigAtStartUp(ProgramFiles& files, SharedSettings& settings) {
  const ConfigFields fields = ReadFields(files);
  settings.ErrorDaysText = fields[kErrorDaysField].empty() ? "5" : fields[kErrorDaysField];
  if (fields[kBaudField].empty()) {
    settings.BaudCode = 1;
  } else {
    AssignConverted(settings.BaudCode, fields[kBaudField]);
  }
  settings.SyncWhenUnlocked = fields[kSyncWhenUnlockedField] == "1";
  if (fields[kPortField].empty()) {
    settings.PortNumber = 1;
    return PortField::kEmpty;
  }
  AssignConverted(settings.PortNumber, fields[kPortField]);
  return PortField::kGiven;
}

void ReadConfigForDialog(ProgramFiles& files, SharedSettings& settings) {
  const ConfigFields fields = ReadFields(files);
  if (fields[kPortField].empty()) {
    settings.PortNumber = 1;
  } else {
    AssignConverted(settings.PortNumber, fields[kPortField]);
  }
  if (fields[kBaudField].empty()) {
    settings.BaudCode = 4;
  } else {
    AssignConverted(settings.BaudCode, fields[kBaudField]);
  }
  settings.SyncWhenUnlocked = fields[kSyncWhenUnlockedField] == "1";
  settings.ErrorDaysText = fields[kErrorDaysField].empty() ? "5" : fields[kErrorDaysField];
  AssignConverted(settings.ErrorDays, settings.ErrorDaysText);
}

bool WriteConfig(ProgramFiles& files, SharedSettings& settings) {
  settings.ErrorDaysText = std::to_string(settings.ErrorDays);
  const std::string line = std::to_string(settings.BaudCode) + "," +
                           std::to_string(settings.PortNumber) + ",0," + settings.ErrorDaysText +
                           "\r\n";
  return files.Replace(kConfigFileName, line);
}

}  // namespace gpsclock
