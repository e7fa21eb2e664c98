#include "support/http_test_server.h"

#include <QTcpSocket>

HttpTestServer::HttpTestServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    });
}

QString HttpTestServer::baseUrl() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
}

void HttpTestServer::redirect(const QString& path, const QString& to) {
    Answer answer;
    answer.status = 302;
    answer.extraHeaders = "Location: " + to.toUtf8() + "\r\n";
    route(path, answer);
}

void HttpTestServer::answer(QTcpSocket* socket) {
    if (!socket->canReadLine())
        return;
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr); // one request a connection
    const QList<QByteArray> requestLine = socket->readLine().trimmed().split(' ');
    const QString path = requestLine.size() >= 2 ? QString::fromUtf8(requestLine[1]) : QString();
    requests << path;
    emit requested(path);
    Answer found;
    found.status = 404;
    found.body = "<html><body>404 Not Found</body></html>";
    found = routes_.value(path, found);
    if (found.silent) {
        held_ << socket;
        return;
    }
    const QByteArray length = withoutLength_.contains(path)
                                  ? QByteArray()
                                  : "Content-Length: " + QByteArray::number(found.body.size()) + "\r\n";
    QByteArray reply = "HTTP/1.0 " + QByteArray::number(found.status) + " X\r\n" + length +
                       found.extraHeaders + "\r\n" + found.body;
    socket->write(reply);
    socket->disconnectFromHost();
}

quint16 HttpTestServer::closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
