#include "drawhistory/line_sync_window.h"

#include <QDateTime>
#include <QHostInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QNetworkDatagram>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QUdpSocket>
#include <algorithm>

#include "common/date.h"
#include "common/errors.h"
#include "common/text_file.h"
#include "draws/draw_tables.h"
#include "platform/box_reaction.h"
#include "platform/box_value.h"
#include "platform/clock.h"
#include "platform/date_picker.h"
#include "platform/dialogs.h"
#include "platform/error_handler.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "platform/services.h"

namespace {

// The peer that the send button talks to.
const QString PeerAddress = QStringLiteral("127.0.0.1");

// Datagrams are 8-bit text in the Big5 code page.
QString DatagramText(const QByteArray& bytes) {
    return qs(Big5ToUtf8(bytes.toStdString()));
}
QByteArray DatagramBytes(const QString& text) {
    return QByteArray::fromStdString(Utf8ToBig5(ss(text)));
}
std::string_view Bytes(const QByteArray& datagram) {
    return {datagram.constData(), static_cast<std::size_t>(datagram.size())};
}

// A datagram as its log line shows it: the first characters only, with a mark when there were
// more, and control characters (a binary datagram) replaced, so one datagram stays one line.
QString LogText(const QByteArray& datagram) {
    // No Big5 character takes more than two bytes, so this many bytes give enough characters.
    const qsizetype head = std::min<qsizetype>(datagram.size(), 2 * TForm_dl_main::LogDatagramChars);
    QString text = DatagramText(datagram.first(head));
    const bool cut = head < datagram.size() || text.size() > TForm_dl_main::LogDatagramChars;
    text.truncate(TForm_dl_main::LogDatagramChars);
    for (QChar& c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QChar::ReplacementCharacter;
    if (cut)
        text += QStringLiteral("…(cut, %1 bytes)").arg(datagram.size());
    return text;
}

} // namespace

TForm_dl_main::TForm_dl_main(Services& services, const QHostAddress& bindAddress, quint16 port,
                             QWidget* parent)
    : QDialog(parent), services_(services), remotePort_(port) {
    ui.setupUi(*this);
    ui.Edit2->setText(QString::number(port));
    ui.Memo1->setMaximumBlockCount(LogLineLimit);

    connect(ui.Btn_send, &QPushButton::clicked, this, &TForm_dl_main::Btn_sendClick);
    connect(ui.Button2, &QPushButton::clicked, this, &TForm_dl_main::Button2Click);
    connect(ui.Button3, &QPushButton::clicked, this, &TForm_dl_main::Button3Click);
    KeepEnterInBoxes(*this);

    logTimer_ = new QTimer(this);
    logTimer_->setSingleShot(true);
    connect(logTimer_, &QTimer::timeout, this, &TForm_dl_main::flushLog);
    sinceLogFlush_.start();

    NMUDP1 = new QUdpSocket(this);
    NMUDP1->setObjectName(QStringLiteral("NMUDP1"));
    connect(NMUDP1, &QUdpSocket::readyRead, this, &TForm_dl_main::readPendingDatagrams);
    connect(NMUDP1, &QUdpSocket::bytesWritten, this, &TForm_dl_main::NMUDP1DataSend);
    connect(NMUDP1, &QUdpSocket::errorOccurred, this, [this] { showStatus(NMUDP1->errorString()); });
    // Not shared: a second program (or test) on the same port must fail to bind rather than quietly
    // split the datagrams with us. A port that is taken leaves the program working, without answers.
    if (!NMUDP1->bind(bindAddress, port, QAbstractSocket::DontShareAddress))
        showStatus(QStringLiteral("UDP %1:%2 not available: %3")
                       .arg(bindAddress.toString())
                       .arg(port)
                       .arg(NMUDP1->errorString()));
    // Room for a flood's datagrams while the log is being drawn, so requests among them are not
    // dropped by the system (which may grant less).
    NMUDP1->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, ReceiveBufferBytes);
}

void TForm_dl_main::readPendingDatagrams() {
    // The socket signals again while datagrams are left, after whatever else is waiting (timers,
    // input, painting). Reading only here keeps that signal coming: Qt stops it after a signal
    // that no read followed.
    for (int n = 0; n < DatagramBatch && NMUDP1->hasPendingDatagrams(); ++n) {
        const QNetworkDatagram datagram = NMUDP1->receiveDatagram();
        if (!datagram.isValid()) {
            NMUDP1StreamInvalid();
            return;
        }
        takeDatagram(datagram.data(), datagram.senderAddress());
    }
}

bool TForm_dl_main::listening() const {
    return NMUDP1->state() == QAbstractSocket::BoundState;
}

QHostAddress TForm_dl_main::listenAddress() const {
    return NMUDP1->localAddress();
}

quint16 TForm_dl_main::listenPort() const {
    return NMUDP1->localPort();
}

void TForm_dl_main::takeDatagram(const QByteArray& text, const QHostAddress& sender) {
    const QString address = sender.toString();
    logLine(address + QStringLiteral(": ") + LogText(text));
    if (IsLineRequest(Bytes(text)))
        ReadRequest(address, text);
}

// Appending to the memo line by line is what a flood would spend its time on.
void TForm_dl_main::logLine(const QString& line) {
    pendingLog_.append(line);
    if (pendingLog_.size() > LogLineLimit) {
        pendingLog_.removeFirst();
        ++droppedLog_;
    }
    if (!logTimer_->isActive())
        logTimer_->start(static_cast<int>(std::max<qint64>(0, LogIntervalMs - sinceLogFlush_.elapsed())));
}

void TForm_dl_main::flushLog() {
    if (pendingLog_.isEmpty())
        return;
    qsizetype first = pendingLog_.size();
    for (qsizetype characters = 0;
         first > 0 && characters + pendingLog_[first - 1].size() + 1 <= LogFlushChars; --first)
        characters += pendingLog_[first - 1].size() + 1;
    QStringList shown = pendingLog_.mid(first);
    droppedLog_ += first;
    if (droppedLog_ > 0)
        shown.prepend(QStringLiteral("(%1 datagrams not shown)").arg(droppedLog_));
    ui.Memo1->appendPlainText(shown.join(QLatin1Char('\n')));
    pendingLog_.clear();
    droppedLog_ = 0;
    sinceLogFlush_.restart();
}

void TForm_dl_main::ReadRequest(const QString& address, const QByteArray& text) {
    const auto frames = AnswerLineRequest(table_, Bytes(text));
    for (const std::string& frame : frames)
        SendRequest(address, QByteArray::fromStdString(frame));
}

void TForm_dl_main::SendRequest(const QString& host, const QByteArray& text) {
    remoteHost_ = host;
    if (text.isEmpty())
        return;
    QHostAddress address;
    if (address.setAddress(host)) {
        sendTo(address, text);
        return;
    }
    // A name: resolve it without blocking the program; the socket listens on IPv4.
    QHostInfo::lookupHost(host, this, [this, text](const QHostInfo& info) {
        const QList<QHostAddress> found = info.addresses();
        if (info.error() != QHostInfo::NoError || found.isEmpty()) {
            NMUDP1InvalidHost();
            return;
        }
        auto ipv4 = std::find_if(found.begin(), found.end(), [](const QHostAddress& a) {
            return a.protocol() == QAbstractSocket::IPv4Protocol;
        });
        sendTo(ipv4 != found.end() ? *ipv4 : found.first(), text);
    });
}

void TForm_dl_main::sendTo(const QHostAddress& address, const QByteArray& text) {
    // Success reports "Data Sent" through bytesWritten, failure its reason through errorOccurred.
    NMUDP1->writeDatagram(text, address, remotePort_);
}

QByteArray TForm_dl_main::helloFrame() const {
    const DateTime now = services_.clock.now();
    const QDateTime when(ToQDate(now.date), QTime(now.hour, now.minute, now.second));
    return DatagramBytes(QStringLiteral("xxx   ") + QLocale::system().toString(when, QLocale::ShortFormat));
}

void TForm_dl_main::Btn_sendClick() {
    sendHello();
}

void TForm_dl_main::sendHello() {
    SendRequest(ui.edit_host->text(), helloFrame());
}

void TForm_dl_main::Button2Click() {
    pendingLog_.clear();
    droppedLog_ = 0;
    ui.Memo1->clear();
}

void TForm_dl_main::Button3Click() {
    useFixedPeer();
}

void TForm_dl_main::useFixedPeer() {
    ui.edit_host->setText(PeerAddress);
}

void TForm_dl_main::NMUDP1DataSend() {
    showStatus(QStringLiteral("Data Sent"));
}

void TForm_dl_main::showStatus(const QString& text) {
    ui.StatusBar1->showMessage(text);
}

void TForm_dl_main::NMUDP1InvalidHost() {
    services_.dialogs.messageDialog(QStringLiteral("伺服器 IP 錯誤或沒有連上網路"), DialogKind::Error,
                                    DialogButtons::Ok);
}

void TForm_dl_main::NMUDP1StreamInvalid() {
    services_.dialogs.showMessage(QStringLiteral("DataError"));
}

void TForm_dl_main::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TForm_dl_main::FormShow() {
    RunGuarded(services_.dialogs, [this] { like_onshow(); });
}

void TForm_dl_main::like_onshow() {
    remoteHost_ = ui.edit_host->text();
    const int port = BoxInteger(*ui.Edit2);
    if (port < 0 || port > 65535)
        throw ConversionError("「" + ss(ui.Edit2->text()) + "」不是有效的通訊埠號碼");
    remotePort_ = static_cast<quint16>(port);

    const std::string fileName = FirstGameFile; // the first game's history, whichever is chosen
    ui.Memo3->clear();
    std::vector<std::string> saved;
    if (FileExists(fileName))
        saved = ReadTextLines(fileName);
    else
        WriteTextLines(fileName, saved);
    SetMemoLines(*ui.Memo3, qsList(saved));
    savedLineCount_ = static_cast<int>(saved.size());

    ui.Label4->setText(QStringLiteral("workfile=") + QString::number(table_.lineCount));
    ui.Label5->setText(QStringLiteral("savefile=") + QString::number(savedLineCount_));
    ui.Edit4->setText(QString::number(savedLineCount_));
    useFixedPeer();
    sendHello();
}
