// chronyd needs root to start; it keeps root (-u root) so that it can make its sockets in the
// test's folders. Nothing outside those folders is touched.
#include "harness/chrony_server.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "harness/unprivileged.h"

namespace gpsclock::e2e {
namespace {

constexpr char kChronyd[] = "/usr/sbin/chronyd";
constexpr char kChronyc[] = "/usr/bin/chronyc";
constexpr char kChronyFolder[] = "chrony";
constexpr std::chrono::milliseconds kPollInterval{50};

// A UDP port on the loopback address that no one uses now.
std::uint16_t FreeLoopbackPort() {
  const int probe = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  std::uint16_t port = 0;
  if (bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    port = ntohs(address.sin_port);
  }
  close(probe);
  return port;
}

// A poll of 4 s over a median filter of 4 samples: chronyd selects the source within about 16 s,
// and a mark that a busy machine delivered late is filtered out. The reference-clock log shows
// each sample, for a failing test.
std::string Configuration(const std::string& folder, const std::string& refclockSocket,
                          std::uint16_t ntpPort) {
  return "pidfile " + folder + "/chronyd.pid\n" +          //
         "bindcmdaddress " + folder + "/chronyd.sock\n" +  //
         "cmdport 0\n" +                                   //
         "port " + std::to_string(ntpPort) + "\n" +        //
         "bindaddress 127.0.0.1\n" +                       //
         "allow 127.0.0.1\n" +                             //
         "logdir " + folder + "\n" +                       //
         "log refclocks\n" +                               //
         "refclock SOCK " + refclockSocket + " refid GPS precision 1e-4 poll 2 filter 4\n";
}

std::string ReadWhole(const std::string& path) {
  std::ifstream file(path);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace

Scenario ChronyScenario(const std::vector<std::string>& simulatorOptions) {
  Scenario scenario;
  scenario.gpsSeconds = MachineSecondNow();
  scenario.setSucceeds = false;
  scenario.programStartsAtOnce = false;
  scenario.simulatorOptions = simulatorOptions;
  return scenario;
}

ChronyServer::ChronyServer(const ProgramFolder& folder)
    : folder_(folder.TestFile(kChronyFolder)),
      refclockSocket_(folder.Path("chrony.sock")),
      ntpPort_(FreeLoopbackPort()) {
  // chronyd refuses a command socket in a folder that others may enter.
  std::filesystem::create_directory(folder_);
  chmod(folder_.c_str(), 0700);
  std::ofstream(folder_ + "/chrony.conf") << Configuration(folder_, refclockSocket_, ntpPort_);
  chronyd_ = std::make_unique<ChildProcess>(
      std::vector<std::string>{kChronyd, "-x", "-d", "-u", "root", "-f", folder_ + "/chrony.conf"},
      std::vector<std::string>{"PATH=/usr/sbin:/usr/bin:/sbin:/bin", "TZ=UTC"},
      folder_ + "/chronyd.out", folder_ + "/chronyd.err");
}

bool ChronyServer::WaitUntilServing(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  struct stat status {};
  while (stat(refclockSocket_.c_str(), &status) != 0 || !S_ISSOCK(status.st_mode)) {
    if (!chronyd_->Running() || std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollInterval);
  }
  return OpenSocketToProgramGroup(refclockSocket_);
}

// CSV lines such as "#,*,GPS,0,0,377,1,0.000243179,0.000391344,0.000100000": mode, state, name,
// stratum, poll, reach (octal), last sample's age, adjusted offset, measured offset, error.
std::optional<ChronySource> ChronyServer::Source(const std::string& refid) const {
  const auto output = Chronyc("sources", true);
  if (!output) return {};
  std::istringstream lines(*output);
  std::string line;
  while (std::getline(lines, line)) {
    std::vector<std::string> fields;
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, ',');) fields.push_back(cell);
    if (fields.size() < 10 || fields[2] != refid || fields[1].size() != 1) continue;
    return ChronySource{fields[1][0], std::stoi(fields[5], nullptr, 8), std::stod(fields[8])};
  }
  return {};
}

std::string ChronyServer::Report(const std::string& command) const {
  return Chronyc(command, false).value_or("");
}

// Lines such as "2026-12-09 04:12:16.000138 GPS 0 N 0 -4.000000e-04 -4.000000e-04 1.000e-04":
// date, time, refid, driver poll, leap, pulse, raw offset, cooked offset, dispersion. The lines
// of the filter's results have "-" for the driver poll and no raw offset.
std::vector<double> ChronyServer::RawSampleOffsets(const std::string& refid) const {
  std::istringstream lines(ReadWhole(folder_ + "/refclocks.log"));
  std::vector<double> offsets;
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream cells(line);
    std::vector<std::string> fields;
    for (std::string cell; cells >> cell;) fields.push_back(cell);
    if (fields.size() == 9 && fields[2] == refid && fields[3] != "-") {
      offsets.push_back(std::stod(fields[6]));
    }
  }
  return offsets;
}

std::string ChronyServer::Messages() const {
  return ReadWhole(folder_ + "/chronyd.err") + ReadWhole(folder_ + "/refclocks.log");
}

std::optional<std::string> ChronyServer::Chronyc(const std::string& command, bool csv) const {
  std::vector<std::string> arguments{kChronyc, "-h", folder_ + "/chronyd.sock", "-n"};
  if (csv) arguments.push_back("-c");
  arguments.push_back(command);
  return CommandOutput(arguments, {"PATH=/usr/bin:/bin"});
}

}  // namespace gpsclock::e2e
