#pragma once

#include <QByteArray>
#include <QDialog>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QString>
#include <QStringList>

#include "drawhistory/line_sync_protocol.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
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
    static constexpr int LogFlushChars = 30000;
    static constexpr int ReceiveBufferBytes = 1 << 20;

    TForm_dl_main(Services& services, const QHostAddress& bindAddress, quint16 port,
                  QWidget* parent = nullptr);

    void NMUDP1DataReceived(const QByteArray& text, const QHostAddress& sender, quint16 senderPort);
    void ReadRequest(const QString& address, const QByteArray& text);
    void SendRequest(const QString& host, const QByteArray& text);
    void Btn_sendClick();
    void Button2Click();
    void Button3Click();
    void NMUDP1DataSend();
    void NMUDP1Status(const QString& text);
    void NMUDP1InvalidHost();
    void NMUDP1StreamInvalid();
    void FormShow();
    void like_onshow();

    QUdpSocket* NMUDP1;
    QLineEdit* edit_host;
    QLineEdit* Edit2;
    QLineEdit* Edit_send;
    QLineEdit* Edit4;
    QPushButton* Btn_send;
    QPushButton* Button2;
    QPushButton* Button3;
    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;
    QPlainTextEdit* Memo3;
    QStatusBar* StatusBar1;
    QLabel* Label4;
    QLabel* Label5;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void readPendingDatagrams();
    void logLine(const QString& line);
    void flushLog();
    void sendTo(const QHostAddress& address, const QByteArray& text);
    QByteArray helloFrame() const;

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
