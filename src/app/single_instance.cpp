#include "single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace varnel {

SingleInstance::SingleInstance(const QString& name, QObject* parent) : QObject(parent), name_(name) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::AnotherIsRunning() {
  {
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(500)) {
      probe.write("raise\n");
      probe.waitForBytesWritten(500);
      probe.disconnectFromServer();
      return true;
    }
  }
  // Nobody answered: a socket file left by a crashed instance must not keep us from listening.
  QLocalServer::removeServer(name_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  server_->listen(name_);
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* s = server_->nextPendingConnection()) {
      connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
      emit RaiseRequested();
    }
  });
  return false;
}

}  // namespace varnel
