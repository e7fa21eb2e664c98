#include "support/ftp_test_server.h"

#include <QFile>

namespace {

// Debian's pyftpdlib belongs to the system interpreter, which a python3 found first on the PATH
// may not be.
QString pythonInterpreter() {
    const QString system = QStringLiteral("/usr/bin/python3");
    return QFile::exists(system) ? system : QStringLiteral("python3");
}

} // namespace

FtpTestServer::FtpTestServer() {
    if (!dir_.isValid()) {
        failure_ = QStringLiteral("no temporary folder");
        return;
    }
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(pythonInterpreter(),
                   {QStringLiteral(QORVEL_TEST_SUPPORT_DIR "/ftp_test_server.py"), dir_.path(),
                    QString::fromLatin1(User), QString::fromLatin1(Password), QString::fromLatin1(Reader)});
    if (!process_.waitForStarted(30000)) {
        failure_ = QStringLiteral("python3 did not start: ") + process_.errorString();
        return;
    }
    // The first line is the port; a generous bound only guards against a server that never starts.
    while (!process_.canReadLine() && process_.state() == QProcess::Running)
        process_.waitForReadyRead(30000);
    bool ok = false;
    port_ = static_cast<quint16>(process_.readLine().trimmed().toUInt(&ok));
    if (!ok || port_ == 0)
        failure_ = QStringLiteral("the FTP server did not start (is python3-pyftpdlib installed?)");
}

FtpTestServer::~FtpTestServer() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.closeWriteChannel(); // the server ends when its input closes
    if (!process_.waitForFinished(10000)) {
        process_.kill();
        process_.waitForFinished(10000);
    }
}

std::string FtpTestServer::baseUrl(const std::string& user, const std::string& password) const {
    return "ftp://" + user + ":" + password + "@127.0.0.1:" + std::to_string(port_) + "/";
}

QByteArray FtpTestServer::file(const QString& name) const {
    QFile in(dir_.filePath(name));
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return in.readAll();
}
