// Version 4, client mode; everything else in the query may be zero.
#include "harness/ntp_query.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <array>

namespace gpsclock::e2e {
namespace {

constexpr std::size_t kPacketSize = 48;
constexpr std::uint8_t kVersion4ClientMode = (4 << 3) | 3;

}  // namespace

std::optional<NtpAnswer> QueryNtpServer(std::uint16_t port) {
  const int descriptor = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (descriptor == -1) return {};
  const timeval wait{1, 0};
  setsockopt(descriptor, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
  sockaddr_in server{};
  server.sin_family = AF_INET;
  server.sin_port = htons(port);
  server.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  std::array<std::uint8_t, kPacketSize> packet{kVersion4ClientMode};
  std::optional<NtpAnswer> answer;
  if (sendto(descriptor, packet.data(), packet.size(), 0, reinterpret_cast<sockaddr*>(&server),
             sizeof server) == static_cast<ssize_t>(packet.size()) &&
      recv(descriptor, packet.data(), packet.size(), 0) == static_cast<ssize_t>(packet.size())) {
    const int mode = packet[0] & 7;
    std::string referenceId(reinterpret_cast<const char*>(&packet[12]), 4);
    referenceId.resize(referenceId.find('\0') == std::string::npos ? 4 : referenceId.find('\0'));
    answer = NtpAnswer{mode, packet[1], referenceId};
  }
  close(descriptor);
  return answer;
}

}  // namespace gpsclock::e2e
