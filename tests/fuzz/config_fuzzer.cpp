// Arbitrary bytes as config.cfg: both readers take what they can from it and agree on the fields
// they share; whatever the settings dialog's OK then writes reads back, through both readers, to
// the values written, and writing those again gives the same bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "config/config_file.h"
#include "fuzz_figures.h"
#include "support/simulated_platform.h"

namespace gpsclock {
namespace {

// The settings config.cfg carries, as the program holds them.
struct StoredSettings {
  std::int16_t BaudCode;
  std::int16_t PortNumber;
  bool SyncWhenUnlocked;
  std::string ErrorDaysText;
  std::int16_t ErrorDays;

  explicit StoredSettings(const SharedSettings& settings)
      : BaudCode(settings.BaudCode),
        PortNumber(settings.PortNumber),
        SyncWhenUnlocked(settings.SyncWhenUnlocked),
        ErrorDaysText(settings.ErrorDaysText),
        ErrorDays(settings.ErrorDays) {}
  friend bool operator==(const StoredSettings&, const StoredSettings&) = default;
};

FuzzFigures figures("config_fuzzer");

void Expect(bool holds, const char* invariant, std::string_view config) {
  figures.CountInvariants(1);
  if (holds) return;
  std::fprintf(stderr, "broken invariant: %s, for config.cfg \"%.*s\"\n", invariant,
               static_cast<int>(config.size()), config.data());
  std::abort();
}

// The two readers run on their own, each from settings it has not seen before.
void CheckReadersAgree(const std::string& config) {
  const ConfigFields fields = ParseConfigFields(config);
  SimulatedFiles files;
  files.Put(std::string(kConfigFileName), config);
  SharedSettings dialog;
  ReadConfigForDialog(files, dialog);
  SharedSettings startUp;
  ReadConfigAtStartUp(files, startUp);
  Expect(fields[0].empty() || dialog.BaudCode == startUp.BaudCode,
         "both readers read the same baud code", config);
  Expect(fields[1].empty() || dialog.PortNumber == startUp.PortNumber,
         "both readers read the same port number", config);
  Expect(dialog.SyncWhenUnlocked == startUp.SyncWhenUnlocked,
         "both readers read the same sync-when-unlocked flag", config);
  Expect(dialog.ErrorDaysText == startUp.ErrorDaysText, "both readers read the same error days",
         config);
}

// Presses OK in the settings dialog without changing a thing; gives what it wrote.
std::string PressOk(SimulatedProgram& sim) {
  sim.program.OnSetPortCommand();
  sim.program.OnDialogOk();
  return sim.platform.files.Contents(std::string(kConfigFileName)).value_or("");
}

}  // namespace
}  // namespace gpsclock

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace gpsclock;
  figures.CountInput(size);
  const std::string config(reinterpret_cast<const char*>(data), size);
  CheckReadersAgree(config);

  SimulatedProgram first;
  first.Start(config);
  const std::string written = PressOk(first);
  StoredSettings expected(first.program.Settings());
  expected.SyncWhenUnlocked = false;  // always written as "0"

  CheckReadersAgree(written);
  // After start-up the settings hold the start-up reader's values and the dialog reader's
  // ErrorDays; with the file just written they must be the values written.
  SimulatedProgram second;
  second.Start(written);
  Expect(StoredSettings(second.program.Settings()) == expected, "what is written reads back",
         written);
  Expect(PressOk(second) == written, "writing what was read gives the same bytes", written);
  return 0;
}
