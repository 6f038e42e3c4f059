#pragma once
// The agent's requests front end: it listens on a local socket named after the program's process
// id in the folder the test named (agent_protocol.h) and answers each request line of the test
// (agent_requests.h) on the program's window thread, so the test finds the program's real
// windows and works them as a user does, step by step.

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace tk73agent {

class RequestServer : public QObject {
  public:
    RequestServer(const QString& socketFolder, QObject* parent);

  private:
    void serve(QLocalSocket* socket);

    QLocalServer* server_ = nullptr;
};

}  // namespace tk73agent
