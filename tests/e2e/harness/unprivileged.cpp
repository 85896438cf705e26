// setpriv keeps the process id when it executes the program, so the tests watch the program itself.
#include "harness/unprivileged.h"

#include <sys/stat.h>
#include <unistd.h>

namespace gpsclock::e2e {
namespace {

constexpr uid_t kNobody = 65534;
// A number no account of the machine has, beside nobody's.
constexpr uid_t kAnotherUser = 65533;
constexpr gid_t kNogroup = 65534;

bool TestsRunAsRoot() {
  return geteuid() == 0;
}

}  // namespace

uid_t ProgramUser() {
  return TestsRunAsRoot() ? kNobody : geteuid();
}
gid_t ProgramGroup() {
  return TestsRunAsRoot() ? kNogroup : getegid();
}

std::optional<uid_t> AnotherProgramUser() {
  if (!TestsRunAsRoot()) return {};
  return kAnotherUser;
}

std::vector<std::string> UnprivilegedPrefix(uid_t user) {
  if (!TestsRunAsRoot()) return {};
  return {"setpriv",
          "--reuid=" + std::to_string(user),
          "--regid=" + std::to_string(kNogroup),
          "--clear-groups",
          "--inh-caps=-all",
          "--bounding-set=-all",
          "--no-new-privs",
          "--"};
}

bool OpenSocketToProgramGroup(const std::string& path) {
  return chown(path.c_str(), geteuid(), ProgramGroup()) == 0 && chmod(path.c_str(), 0775) == 0;
}

}  // namespace gpsclock::e2e
