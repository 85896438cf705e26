// One thread carries the bytes: it sends a stray byte at each byte time while the line is noisy,
// and in between waits for the device's bytes.
#include "harness/noisy_line.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>

#include "harness/clock_plan.h"

namespace gpsclock::e2e {
namespace {

constexpr std::int64_t kBitsPerByte = 10;
constexpr char kStartByte = '\x01';
constexpr std::int64_t kFifoBytes = 16;
// How long the thread waits for the device's bytes while the line is quiet, between looks at
// whether it must stop.
constexpr std::int64_t kQuietWaitNs = 20 * kNanosecondsPerMillisecond;
constexpr std::chrono::milliseconds kPollInterval{10};

// Every byte value but the start byte, CR, LF, digits and status letters among them, in an order
// that repeats only after millions of bytes.
char StrayByte(std::uint32_t& state) {
  char byte = kStartByte;
  while (byte == kStartByte) {
    state = state * 1664525u + 1013904223u;
    byte = static_cast<char>(state >> 24);
  }
  return byte;
}

// The program may run as another user, unprivileged: it must be able to open the slave, which
// passes bytes through untouched even before the program sets the line.
bool OpenForEveryUser(int slave, const char* path) {
  termios settings{};
  if (tcgetattr(slave, &settings) != 0) return false;
  cfmakeraw(&settings);
  return tcsetattr(slave, TCSANOW, &settings) == 0 && chmod(path, 0666) == 0;
}

// The link is replaced in one step, so that COM1 always leads somewhere.
bool Relink(const std::string& link, const std::string& target) {
  const std::string draft = link + ".noisy";
  return symlink(target.c_str(), draft.c_str()) == 0 && rename(draft.c_str(), link.c_str()) == 0;
}

}  // namespace

NoisyLine::NoisyLine(const ProgramFolder& folder, int baud)
    : byteNs_(kBitsPerByte * kNanosecondsPerSecond / baud) {
  const std::string port = folder.Path("COM1");
  std::error_code error;
  const std::string device = std::filesystem::canonical(port, error).string();
  if (error) return;
  deviceSide_ = open(device.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  int slave = -1;
  std::array<char, 256> name{};
  if (deviceSide_ < 0 || openpty(&programSide_, &slave, name.data(), nullptr, nullptr) != 0) {
    return;
  }
  const bool opened = OpenForEveryUser(slave, name.data());
  close(slave);
  if (!opened || !Relink(port, name.data())) return;
  thread_ = std::thread([this] { Carry(); });
}

NoisyLine::~NoisyLine() {
  stopping_ = true;
  if (thread_.joinable()) thread_.join();
  if (programSide_ >= 0) close(programSide_);
  if (deviceSide_ >= 0) close(deviceSide_);
}

bool NoisyLine::WaitForReader(std::chrono::milliseconds timeout) const {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!ReaderPresent()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollInterval);
  }
  return true;
}

std::int64_t NoisyLine::Quieten() {
  noisy_ = false;
  return MonotonicNs();
}

// A pseudo-terminal's master reports a hang-up exactly while no program has the slave open.
bool NoisyLine::ReaderPresent() const {
  pollfd line{programSide_, 0, 0};
  return poll(&line, 1, 0) != 1 || (line.revents & POLLHUP) == 0;
}

void NoisyLine::Carry() {
  std::uint32_t strayState = 1;
  std::int64_t nextStrayNs = MonotonicNs();
  bool deviceThere = true;
  std::array<char, 256> bytes{};
  while (!stopping_) {
    const std::int64_t nowNs = MonotonicNs();
    if (noisy_ && nowNs >= nextStrayNs) {
      const char byte = StrayByte(strayState);
      if (ReaderPresent() && write(programSide_, &byte, 1) == 1) ++noiseBytesSent_;
      // Bytes this thread was late for follow at once, as a UART passes on what gathered in its
      // FIFO, so the line keeps its speed; a longer delay is not made up for.
      nextStrayNs = std::max(nextStrayNs, nowNs - kFifoBytes * byteNs_) + byteNs_;
      continue;
    }
    const std::int64_t waitNs = noisy_ ? nextStrayNs - nowNs : kQuietWaitNs;
    const timespec timeout{0, static_cast<long>(waitNs)};
    // A descriptor below zero is left out of the wait.
    pollfd device{deviceThere ? deviceSide_ : -1, POLLIN, 0};
    if (ppoll(&device, 1, &timeout, nullptr) != 1) continue;
    const ssize_t count = read(deviceSide_, bytes.data(), bytes.size());
    if (count < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    if (count <= 0) {
      // The simulator ended: the line stays quiet from then on.
      deviceThere = false;
    } else if (!noisy_ && ReaderPresent()) {
      [[maybe_unused]] const ssize_t written =
          write(programSide_, bytes.data(), static_cast<std::size_t>(count));
    }
  }
}

}  // namespace gpsclock::e2e
