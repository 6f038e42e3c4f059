#include "tests/programs/agent/program_agent.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>

#include <cstdio>
#include <memory>

#include "tests/programs/agent/agent_requests.h"
#include "tests/programs/agent_protocol.h"

namespace tk73test {

ProgramAgent::ProgramAgent() {
    const QByteArray folder = qgetenv("TK73_TEST_AGENT");
    if (folder.isEmpty()) {
        return;
    }
    const QString path = QString::fromStdString(agentSocket(
        folder.toStdString(), static_cast<unsigned long>(QCoreApplication::applicationPid())));
    server_ = new QLocalServer(this);
    QLocalServer::removeServer(path);
    if (!server_->listen(path)) {
        std::fprintf(stderr, "test agent: cannot listen on %s\n", qPrintable(path));
        return;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            serve(socket);
        }
    });
}

void ProgramAgent::serve(QLocalSocket* socket) {
    auto pending = std::make_shared<QByteArray>();
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, socket, [socket, pending] {
        pending->append(socket->readAll());
        for (qsizetype end = pending->indexOf('\n'); end >= 0; end = pending->indexOf('\n')) {
            const std::string line = pending->left(end).toStdString();
            pending->remove(0, end + 1);
            const std::string answer = encodeFields(answerRequest(decodeFields(line))) + "\n";
            socket->write(answer.data(), static_cast<qint64>(answer.size()));
            socket->flush();
        }
    });
}

}  // namespace tk73test
