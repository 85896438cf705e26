// A plain SNTP client query (RFC 4330): one 48-byte packet over UDP, as any NTP client on the
// network would send it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace gpsclock::e2e {

struct NtpAnswer {
  int mode = 0;             // 4: server
  int stratum = 0;          // 1: the server's reference is a clock of its own
  std::string referenceId;  // four characters at stratum 1, such as "GPS"
};

// Asks the server at 127.0.0.1:`port`; nothing when it does not answer within a second.
std::optional<NtpAnswer> QueryNtpServer(std::uint16_t port);

}  // namespace gpsclock::e2e
