#pragma once

#include <QByteArray>
#include <QDialog>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QString>
#include <QStringList>

#include "drawhistory/line_sync_form.h"
#include "drawhistory/line_sync_protocol.h"

class QTimer;
class QUdpSocket;
struct Services;

// The line-sync window: never shown, it exists for its UDP socket, which listens from creation to
// the end of the run, logs every datagram and answers line requests from its line table.
// Answers go to the requester's address at the window's remote port, which starts as its own port.
class TForm_dl_main : public QDialog {
    Q_OBJECT
public:
    // The log keeps this many of the newest lines, so a flood of datagrams cannot grow it for ever.
    static constexpr int LogLineLimit = 1000;
    // A flood must not hold the program: each wake-up reads at most this many datagrams, and the
    // log takes new lines at most this often, in one go of at most LogFlushChars characters (the
    // newest lines; the older ones are counted in a line of their own). A log line shows at most
    // LogDatagramChars characters of its datagram, the rest marked as cut.
    static constexpr int DatagramBatch = 64;
    static constexpr int LogIntervalMs = 100;
    static constexpr int LogDatagramChars = 200;
    static constexpr int LogFlushChars = 24000;
    static constexpr int ReceiveBufferBytes = 1 << 20;

    TForm_dl_main(Services& services, const QHostAddress& bindAddress, quint16 port,
                  QWidget* parent = nullptr);

    // Logs a datagram from `sender` and answers it when it is a line request.
    void takeDatagram(const QByteArray& text, const QHostAddress& sender);
    // Whether the socket holds its port; the address and port it listens on.
    bool listening() const;
    QHostAddress listenAddress() const;
    quint16 listenPort() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Btn_sendClick();       // "Send": the hello frame to the host in the box
    void Button2Click();        // "Clear Memo"
    void Button3Click();        // "Button3": the fixed peer into the host box
    void NMUDP1DataSend();      // a datagram went out
    void NMUDP1InvalidHost();   // the host to send to could not be found
    void NMUDP1StreamInvalid(); // a datagram could not be read
    void FormShow();            // on show: the draw file loaded, the fixed peer greeted

    // Reads the port and the draw file, then greets the fixed peer.
    void like_onshow();
    // Answers a line request from `address` with the frames of its lines.
    void ReadRequest(const QString& address, const QByteArray& text);
    // Sends to `host` (an address or a name) at the remote port.
    void SendRequest(const QString& host, const QByteArray& text);
    void sendHello();    // the date and time to the host in the box
    void useFixedPeer(); // this host as the one to send to
    void showStatus(const QString& text);
    void readPendingDatagrams();
    void logLine(const QString& line);
    void flushLog();
    void sendTo(const QHostAddress& address, const QByteArray& text);
    QByteArray helloFrame() const;

    LineSyncForm ui;
    QUdpSocket* NMUDP1; // listens from creation to the end of the run
    Services& services_;
    QStringList pendingLog_;   // lines not yet in the log, the newest LogLineLimit
    qsizetype droppedLog_ = 0; // lines left out of the log since the last flush
    QTimer* logTimer_;
    QElapsedTimer sinceLogFlush_;
    LineSyncTable table_;
    int savedLineCount_ = 0;
    QString remoteHost_;
    quint16 remotePort_;
};
