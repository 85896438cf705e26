// The request is one line, "show"; the answer one line, "shown" or "no window". Each user has a
// socket of their own in the folder, open to that user alone: a socket a killed copy left behind
// can then always be replaced by that user's next copy, even in a sticky folder.
#include "platform/qt/folder_copy.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QLocalSocket>
#include <optional>

namespace gpsclock {
namespace {

constexpr char kRequest[] = "show\n";
constexpr char kShown[] = "shown\n";
constexpr char kNoWindow[] = "no window\n";
// A running copy answers from its event loop, within a few milliseconds; a socket that does not
// answer within this time belongs to a copy that hangs.
constexpr int kAnswerTimeoutMs = 3000;

QString SocketPath(const std::string& programDirectory) {
  return QString::fromStdString(programDirectory + "/.gpsclock-" + std::to_string(geteuid()) +
                                ".socket");
}

// The process at the other end of a connected local socket, as the kernel saw it connect or listen.
std::optional<ucred> PeerOf(qintptr socket) {
  ucred peer{};
  socklen_t length = sizeof peer;
  if (getsockopt(static_cast<int>(socket), SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0) {
    return {};
  }
  return peer;
}

}  // namespace

FolderCopy::FolderCopy(const std::string& programDirectory)
    : claim_(programDirectory), socketPath_(SocketPath(programDirectory)) {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] { Answer(); });
}

FolderCopy::Start FolderCopy::Claim() {
  switch (claim_.Take()) {
    case FolderClaim::Result::kTaken:
      // A socket of this user still there was left behind by a copy that was killed. A folder
      // that cannot hold one (read-only) stays claimed all the same; later starts then just end.
      QLocalServer::removeServer(socketPath_);
      server_.listen(socketPath_);
      return Start::kFirst;
    case FolderClaim::Result::kHeldByAnother:
      return AskRunningCopy().value_or(Start::kOtherCopy);
    case FolderClaim::Result::kUnavailable:
      break;
  }
  return Start::kFirst;
}

void FolderCopy::SetBringForwardHandler(std::function<bool()> bringForward) {
  bringForward_ = std::move(bringForward);
}

std::optional<FolderCopy::Start> FolderCopy::AskRunningCopy() {
  QLocalSocket socket;
  socket.connectToServer(socketPath_);
  if (!socket.waitForConnected(kAnswerTimeoutMs)) return std::nullopt;
  const std::optional<ucred> peer = PeerOf(socket.socketDescriptor());
  const std::optional<ClaimHolder> holder = claim_.Holder();
  if (!peer || peer->uid != geteuid() || !holder || holder->process != peer->pid) {
    return std::nullopt;
  }
  socket.write(kRequest);
  if (!socket.waitForBytesWritten(kAnswerTimeoutMs)) return std::nullopt;
  while (!socket.canReadLine()) {
    if (!socket.waitForReadyRead(kAnswerTimeoutMs)) return std::nullopt;
  }
  const QByteArray answer = socket.readLine();
  if (answer == kShown) return Start::kOtherBroughtForward;
  if (answer == kNoWindow) return Start::kOtherWithoutWindow;
  return std::nullopt;
}

void FolderCopy::Answer() {
  QLocalSocket* socket = server_.nextPendingConnection();
  if (socket == nullptr) return;
  QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
  QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
    if (!socket->canReadLine()) return;
    if (socket->readLine() != kRequest) {
      socket->disconnectFromServer();
      return;
    }
    const bool shown = bringForward_ && bringForward_();
    socket->write(shown ? kShown : kNoWindow);
    socket->flush();
    socket->disconnectFromServer();
  });
}

}  // namespace gpsclock
