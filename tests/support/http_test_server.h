#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

// A small HTTP/1.0 server on 127.0.0.1 for tests, answered by the test's event loop (wait with
// QSignalSpy or QTRY_*). Paths not routed get 404.
class HttpTestServer : public QObject {
    Q_OBJECT
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        QByteArray extraHeaders; // e.g. "Location: /x\r\n"
        bool silent = false;     // accept the request and never answer
    };

    HttpTestServer();

    QString baseUrl() const;
    void route(const QString& path, const Answer& answer) { routes_[path] = answer; }
    void redirect(const QString& path, const QString& to);
    // Answers this path without Content-Length: the body ends where the connection closes.
    void sendWithoutLength(const QString& path) { withoutLength_ << path; }

    QStringList requests; // paths asked for, in order

    // A port on 127.0.0.1 where nothing listens.
    static quint16 closedPort();

signals:
    void requested(const QString& path);

private:
    void answer(QTcpSocket* socket);

    QTcpServer server_;
    QMap<QString, Answer> routes_;
    QList<QTcpSocket*> held_;
    QStringList withoutLength_;
};
