#include "tests/programs/agent/request_server.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>

#include <cstdio>
#include <memory>

#include "tests/programs/agent/agent_requests.h"
#include "tests/programs/agent_protocol.h"

namespace tk73agent {

RequestServer::RequestServer(const QString& socketFolder, QObject* parent) : QObject(parent) {
    const QString path = QString::fromStdString(
        tk73test::agentSocket(socketFolder.toStdString(),
                              static_cast<unsigned long>(QCoreApplication::applicationPid())));
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

void RequestServer::serve(QLocalSocket* socket) {
    auto pending = std::make_shared<QByteArray>();
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, socket, [socket, pending] {
        pending->append(socket->readAll());
        for (qsizetype end = pending->indexOf('\n'); end >= 0; end = pending->indexOf('\n')) {
            const std::string line = pending->left(end).toStdString();
            pending->remove(0, end + 1);
            const std::string answer =
                tk73test::encodeFields(answerRequest(tk73test::decodeFields(line))) + "\n";
            socket->write(answer.data(), static_cast<qint64>(answer.size()));
            socket->flush();
        }
    });
}

}  // namespace tk73agent
