// The simulator keeps no descriptor of the slave open, so that the master reports a hang-up
// exactly while no program has the port open. Bytes written then would wait in the terminal and
// reach the program late, all at once, when it opens the port; a real line drops them.
#include "pseudo_terminal_line.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "raw_line.h"

namespace gpsclock::simulator {
namespace {

// The program may run as another user, unprivileged: it must be able to open the slave.
constexpr mode_t kOpenToEveryUser = 0666;

// An earlier run's link is replaced; any other file of that name is left alone.
bool MakeLink(const std::string& target, const std::string& link, std::string& error) {
  struct stat existing {};
  if (lstat(link.c_str(), &existing) == 0) {
    if (!S_ISLNK(existing.st_mode)) {
      error = link + ": exists and is not a link";
      return false;
    }
    unlink(link.c_str());
  }
  if (symlink(target.c_str(), link.c_str()) != 0) {
    error = link + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace

std::unique_ptr<PseudoTerminalLine> PseudoTerminalLine::Open(int baud,
                                                             const std::optional<std::string>& link,
                                                             std::string& error) {
  int master = -1;
  int slave = -1;
  std::array<char, 256> name{};
  if (openpty(&master, &slave, name.data(), nullptr, nullptr) != 0) {
    error = std::string("no pseudo-terminal: ") + std::strerror(errno);
    return nullptr;
  }
  // The settings stay with the terminal, so bytes are raw even before the program sets its own.
  const bool raw = SetRawLine(slave, baud);
  close(slave);
  std::unique_ptr<PseudoTerminalLine> line(new PseudoTerminalLine(master, name.data()));
  if (!raw) {
    error = line->slavePath_ + ": cannot set the line to " + std::to_string(baud) + " baud";
    return nullptr;
  }
  if (link && (chmod(line->slavePath_.c_str(), kOpenToEveryUser) != 0 ||
               !MakeLink(line->slavePath_, *link, error))) {
    if (error.empty()) error = line->slavePath_ + ": " + std::strerror(errno);
    return nullptr;
  }
  return line;
}

PseudoTerminalLine::~PseudoTerminalLine() {
  close(master_);
}

bool PseudoTerminalLine::ReaderPresent() {
  pollfd master{master_, 0, 0};
  const bool present = poll(&master, 1, 0) != 1 || (master.revents & POLLHUP) == 0;
  if (present != readerPresent_) {
    std::fputs(present ? "gpsclock-sim: a program opened the port\n"
                       : "gpsclock-sim: no program has the port open; its frames are lost\n",
               stderr);
    readerPresent_ = present;
    if (!present) ClearExclusiveFlag();
  }
  return present;
}

// A real port forgets its exclusive flag when its last holder closes it, however that ends; a
// pseudo-terminal keeps it while its master is open, so a program killed without closing the port
// would keep every later one out. Opening a port with the flag set needs CAP_SYS_ADMIN, so only a
// simulator run by root can clear it: otherwise it says so.
void PseudoTerminalLine::ClearExclusiveFlag() const {
  const int slave = open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (slave < 0) {
    std::fprintf(stderr, "gpsclock-sim: %s stays held (%s); restart the simulator to free it\n",
                 slavePath_.c_str(), std::strerror(errno));
    return;
  }
  ioctl(slave, TIOCNXCL);
  close(slave);
}

bool PseudoTerminalLine::Send(std::string_view bytes) {
  return write(master_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

}  // namespace gpsclock::simulator
