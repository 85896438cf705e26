// The test keeps the slave open too, so the pty lives until the master is closed.
#include "pseudo_terminal.h"

#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace gpsclock {

PseudoTerminal::PseudoTerminal() {
  std::array<char, 256> name{};
  if (openpty(&master_, &slave_, name.data(), nullptr, nullptr) != 0) {
    ADD_FAILURE() << "openpty failed, errno " << errno;
    return;
  }
  slavePath_ = name.data();
}

PseudoTerminal::~PseudoTerminal() {
  CloseMaster();
  if (slave_ != -1) close(slave_);
}

// The tests send far less than a pty buffers, so one write takes it all.
bool PseudoTerminal::Send(std::string_view bytes) {
  return write(master_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

void PseudoTerminal::CloseMaster() {
  if (master_ == -1) return;
  close(master_);
  master_ = -1;
}

}  // namespace gpsclock
