// The request is one line, "show"; the answer one line, "shown" or "no window". The socket is open
// to the folder's group, so that a user of the desktop reaches the service's copy.
#include "platform/qt/folder_copy.h"

#include <QLocalSocket>
#include <optional>

namespace gpsclock {
namespace {

constexpr char kSocketName[] = "/.gpsclock.socket";
constexpr char kRequest[] = "show\n";
constexpr char kShown[] = "shown\n";
constexpr char kNoWindow[] = "no window\n";
// A running copy answers from its event loop, within a few milliseconds; a socket that does not
// answer within this time was left behind or belongs to a copy that hangs.
constexpr int kAnswerTimeoutMs = 3000;

}  // namespace

FolderCopy::FolderCopy(const std::string& programDirectory)
    : socketPath_(QString::fromStdString(programDirectory) + QLatin1String(kSocketName)) {
  server_.setSocketOptions(QLocalServer::UserAccessOption | QLocalServer::GroupAccessOption);
  QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] { Answer(); });
}

FolderCopy::Start FolderCopy::Claim() {
  // Asked before listening: listening replaces a socket file that is already there.
  if (const std::optional<Start> running = AskRunningCopy()) return *running;
  // No copy answered: a socket still there was left behind by a copy that ended without closing it.
  QLocalServer::removeServer(socketPath_);
  server_.listen(socketPath_);
  return Start::kFirst;
}

void FolderCopy::SetBringForwardHandler(std::function<bool()> bringForward) {
  bringForward_ = std::move(bringForward);
}

std::optional<FolderCopy::Start> FolderCopy::AskRunningCopy() {
  QLocalSocket socket;
  socket.connectToServer(socketPath_);
  if (!socket.waitForConnected(kAnswerTimeoutMs)) return std::nullopt;
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
