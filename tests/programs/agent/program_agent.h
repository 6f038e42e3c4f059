#pragma once
// The agent inside a program that a test started: it listens on a local socket named after the
// program's process id in the folder of TK73_TEST_AGENT (nothing without it) and answers each
// request line of the test (agent_protocol.h) on the program's window thread, so the test finds
// the program's real windows and works them as a user does.

#include <QByteArray>
#include <QObject>

class QLocalServer;
class QLocalSocket;

namespace tk73test {

class ProgramAgent : public QObject {
  public:
    ProgramAgent();

  private:
    void serve(QLocalSocket* socket);

    QLocalServer* server_ = nullptr;
};

}  // namespace tk73test
