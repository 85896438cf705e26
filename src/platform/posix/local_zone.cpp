// glibc's tzset reads the zone file again when the file changed, but only where TZ is unset: for a
// TZ such as ":/etc/localtime" it keeps the zone it read first for as long as the TZ text stays
// the same. The file TZ names is therefore watched here, and a change makes glibc read it anew.
#include "platform/posix/local_zone.h"

#include <sys/stat.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace gpsclock {
namespace {

// Where glibc looks for a zone named without a path; TZDIR only where the environment is trusted.
constexpr char kZoneDirectory[] = "/usr/share/zoneinfo";

// The file TZ names, as glibc finds it: ":/etc/localtime", "/path", "Europe/Berlin"; nothing
// without TZ. A POSIX rule such as "CET-1CEST" names a file that does not exist.
std::optional<std::string> ZoneFileOf(const char* tz) {
  if (tz == nullptr) return {};
  std::string_view name(tz);
  if (name.starts_with(':')) name.remove_prefix(1);
  if (name.empty()) return {};
  if (name.starts_with('/')) return std::string(name);
  const char* directory = secure_getenv("TZDIR");
  return std::string(directory != nullptr && *directory != '\0' ? directory : kZoneDirectory) +
         "/" + std::string(name);
}

// What tells one version of a zone file from another: a link moved to another zone leads to
// another file, a file copied over the old one has a new modification time.
struct ZoneFileVersion {
  dev_t device = 0;
  ino_t inode = 0;
  time_t modifiedSeconds = 0;
  long modifiedNanoseconds = 0;

  friend bool operator==(const ZoneFileVersion&, const ZoneFileVersion&) = default;
};

std::optional<ZoneFileVersion> VersionOf(const std::optional<std::string>& file) {
  struct stat entry {};
  if (!file || stat(file->c_str(), &entry) != 0) return {};
  return ZoneFileVersion{entry.st_dev, entry.st_ino, entry.st_mtim.tv_sec, entry.st_mtim.tv_nsec};
}

// glibc reads the zone again when it finds the TZ text changed since its last tzset. TZ is
// changed and put back on the user-interface thread, where every conversion runs.
void ReadZoneAgain(const char* tz) {
  const std::string text(tz);
  setenv("TZ", "UTC0", 1);
  tzset();
  setenv("TZ", text.c_str(), 1);
}

}  // namespace

void FollowLocalZone() {
  // The zone is the process's own, so is what it was read from.
  static std::optional<ZoneFileVersion> followed;
  const char* tz = std::getenv("TZ");
  const std::optional<ZoneFileVersion> current = VersionOf(ZoneFileOf(tz));
  if (current && followed && *current != *followed) ReadZoneAgain(tz);
  followed = current;
  tzset();
}

}  // namespace gpsclock
