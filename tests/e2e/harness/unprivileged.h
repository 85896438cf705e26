// The program runs as a user without the right to set the clock, so that no set the fake clock
// failed to catch could ever reach the machine's clock.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace gpsclock::e2e {

// The user the program runs as: "nobody" when the tests run as root, else the tests' own user.
uid_t ProgramUser();
gid_t ProgramGroup();
// A second user of the program's group, who may share its folder; only when the tests run as
// root.
std::optional<uid_t> AnotherProgramUser();
// What goes before the program's path on its command line: setpriv dropping root, every
// capability and the right to gain any, when the tests run as root; nothing otherwise.
std::vector<std::string> UnprivilegedPrefix(uid_t user = ProgramUser());
// Lets the program's group write to the socket at `path`, as the shipped chrony drop-in does for
// the program's users. Whether it could.
bool OpenSocketToProgramGroup(const std::string& path);

}  // namespace gpsclock::e2e
