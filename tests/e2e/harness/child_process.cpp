// posix_spawn, so that nothing of the test process runs in the child between fork and exec.
#include "harness/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <thread>

namespace gpsclock::e2e {
namespace {

constexpr std::chrono::milliseconds kPollInterval{10};
constexpr std::chrono::seconds kStopGrace{3};
constexpr std::chrono::seconds kCommandTimeout{10};

std::vector<char*> PointersTo(const std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (const std::string& text : texts) pointers.push_back(const_cast<char*>(text.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments,
                           const std::vector<std::string>& environment,
                           const std::string& outputPath, const std::string& errorPath) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const auto argv = PointersTo(arguments);
  const auto envp = PointersTo(environment);
  if (posix_spawnp(&id_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) id_ = -1;
  posix_spawn_file_actions_destroy(&actions);
}

ChildProcess::~ChildProcess() {
  Stop();
}

bool ChildProcess::Running() {
  if (!Started() || exitStatus_) return false;
  int status = 0;
  if (waitpid(id_, &status, WNOHANG) != id_) return true;
  exitStatus_ = status;
  return false;
}

std::optional<int> ChildProcess::WaitForExit(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (Running() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(kPollInterval);
  }
  return exitStatus_;
}

void ChildProcess::Stop() {
  if (!Running()) return;
  kill(id_, SIGTERM);
  if (WaitForExit(kStopGrace)) return;
  kill(id_, SIGKILL);
  int status = 0;
  waitpid(id_, &status, 0);
  exitStatus_ = status;
}

std::chrono::microseconds ChildProcess::CpuTime() const {
  // Fields 14 and 15 of /proc/<id>/stat, counted after the command name in parentheses.
  const std::string stat = ReadWhole("/proc/" + std::to_string(id_) + "/stat");
  std::istringstream fields(stat.substr(stat.rfind(')') + 2));
  std::string skipped;
  for (int field = 3; field < 14; ++field) fields >> skipped;
  long long userTicks = 0;
  long long systemTicks = 0;
  fields >> userTicks >> systemTicks;
  const long long ticksPerSecond = sysconf(_SC_CLK_TCK);
  return std::chrono::microseconds((userTicks + systemTicks) * 1'000'000 / ticksPerSecond);
}

long ChildProcess::PeakResidentKib() const {
  const std::string status = ReadWhole("/proc/" + std::to_string(id_) + "/status");
  const std::size_t line = status.find("VmHWM:");
  return line == std::string::npos ? -1 : std::stol(status.substr(line + 6));
}

std::optional<std::string> CommandOutput(const std::vector<std::string>& arguments,
                                         const std::vector<std::string>& environment) {
  char outputPath[] = "/tmp/gpsclock-e2e-output-XXXXXX";
  const int output = mkstemp(outputPath);
  if (output < 0) return {};
  close(output);
  ChildProcess command(arguments, environment, outputPath, "/dev/null");
  const auto status = command.WaitForExit(kCommandTimeout);
  const std::string text = ReadWhole(outputPath);
  unlink(outputPath);
  if (!status || !WIFEXITED(*status) || WEXITSTATUS(*status) != 0) return {};
  return text;
}

}  // namespace gpsclock::e2e
