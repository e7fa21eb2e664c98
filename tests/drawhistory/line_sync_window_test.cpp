#include <QDateTime>
#include <QElapsedTimer>
#include <QLocale>
#include <QNetworkDatagram>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>
#include <gtest/gtest.h>
#include <memory>

#include "app/application.h"
#include "app/main_window.h"
#include "common/text_file.h"
#include "drawhistory/line_sync_window.h"
#include "support/box_caption.h"
#include "support/draw_lines.h"
#include "support/fake_platform.h"
#include "support/ui_driver.h"
#include "support/work_dir.h"

namespace {

const QHostAddress WindowAddress(QStringLiteral("127.0.0.1"));
const QHostAddress PeerAddress(QStringLiteral("127.0.0.2"));

// Every line of a memo, an empty last one included: one per text block.
QStringList Lines(QWidget& window, const char* memo) {
    return Text(window, memo).split(QLatin1Char('\n'));
}

// The log once it shows `count` lines: it takes new lines in batches, at most every 100 ms.
QStringList LogOf(QWidget& window, int count) {
    (void)QTest::qWaitFor([&] { return Lines(window, "Memo1").size() >= count; },
                          5000); // the checks say what is missing
    return Lines(window, "Memo1");
}

// The log once its last line is `last` and the one before it `beforeLast` when given.
QStringList LogEndingWith(QWidget& window, const QString& last, const QString& beforeLast = {}) {
    const auto ends = [&] {
        const QStringList log = Lines(window, "Memo1");
        return log.back() == last &&
               (beforeLast.isEmpty() || (log.size() > 1 && log[log.size() - 2] == beforeLast));
    };
    (void)QTest::qWaitFor(ends, 5000);
    return Lines(window, "Memo1");
}

// The window listens on 127.0.0.1:P and a peer on 127.0.0.2:P, as answers go to the requester's
// address at the window's own port.
class LineSyncWindowTest : public ::testing::Test {
protected:
    WorkDir dir;
    FakePlatform platform;
    Services services = platform.services();
    QUdpSocket peer;
    std::unique_ptr<TForm_dl_main> window;
    quint16 port = 0;

    void SetUp() override {
        // The peer's free port may be taken on the window's address; then try another.
        for (int attempt = 0; attempt < 20 && !window; ++attempt) {
            peer.close();
            ASSERT_TRUE(peer.bind(PeerAddress, 0, QAbstractSocket::DontShareAddress)) << "127.0.0.2 unusable";
            port = peer.localPort();
            auto candidate = std::make_unique<TForm_dl_main>(services, WindowAddress, port);
            if (candidate->listening())
                window = std::move(candidate);
        }
        ASSERT_TRUE(window) << "no free port pair";
    }

    void send(const QByteArray& datagram) {
        ASSERT_EQ(peer.writeDatagram(datagram, WindowAddress, port), datagram.size());
    }

    // The next `count` datagrams that reach the peer (fewer when they stop coming).
    QList<QNetworkDatagram> receive(int count) {
        QList<QNetworkDatagram> got;
        while (got.size() < count) {
            while (peer.hasPendingDatagrams() && got.size() < count)
                got << peer.receiveDatagram();
            if (got.size() == count)
                break;
            QSignalSpy arrived(&peer, &QUdpSocket::readyRead);
            if (!arrived.wait(5000))
                break;
        }
        return got;
    }

    // The payloads of the answers to one datagram. A request that gets no answer is followed by
    // "REQ0001", whose two frames then come first: answers are sent in order.
    QByteArrayList answersTo(const QByteArray& datagram, int expected) {
        send(datagram);
        if (expected == 0)
            send("REQ0001");
        QByteArrayList payloads;
        for (const QNetworkDatagram& answer : receive(expected == 0 ? 2 : expected)) {
            EXPECT_EQ(answer.senderAddress(), WindowAddress);
            EXPECT_EQ(answer.senderPort(), port);
            payloads << answer.data();
        }
        EXPECT_FALSE(peer.hasPendingDatagrams())
            << "more answers than expected to " << datagram.toStdString();
        if (expected == 0) {
            EXPECT_EQ(payloads, (QByteArrayList{"RCX", "RCV"}))
                << "the request was answered: " << datagram.toStdString();
            return {};
        }
        return payloads;
    }
};

} // namespace

TEST_F(LineSyncWindowTest, AnswersRequestsToTheRequestersAddressAtItsOwnPort) {
    EXPECT_EQ(window->objectName(), QStringLiteral("Form_dl_main"));
    EXPECT_EQ(Text(*window, "Edit2"), QString::number(port));
    EXPECT_EQ(answersTo("REQ0000", 3), (QByteArrayList{"RCX", "RCV", "END"}));
    EXPECT_EQ(answersTo("REQ0012", 2), (QByteArrayList{"RCX", "RCV"}));
    EXPECT_EQ(answersTo("REQ9999", 2), (QByteArrayList{"RCX", "RCV"}));
    EXPECT_EQ(answersTo("REQabcd", 1), (QByteArrayList{"END"}));
    EXPECT_EQ(answersTo("REQ12ab", 0), QByteArrayList{});
    EXPECT_EQ(LogOf(*window, 6).mid(0, 5),
              (QStringList{QStringLiteral("127.0.0.2: REQ0000"), QStringLiteral("127.0.0.2: REQ0012"),
                           QStringLiteral("127.0.0.2: REQ9999"), QStringLiteral("127.0.0.2: REQabcd"),
                           QStringLiteral("127.0.0.2: REQ12ab")}));
    EXPECT_EQ(StatusMessage(*window, "StatusBar1"), QStringLiteral("Data Sent"));
    EXPECT_TRUE(platform.dialogs.prompts.empty());
}

TEST_F(LineSyncWindowTest, OtherDatagramsAreOnlyLogged) {
    const QByteArray big5 = QByteArray::fromStdString(Utf8ToBig5("今彩539"));
    for (const QByteArray& other :
         QByteArrayList{"req0000", "REQ000", "REQ00000", "ABC", "REQ-001", "REQ-1ab", big5})
        answersTo(other, 0);
    const QStringList log = LogOf(*window, 14);
    ASSERT_EQ(log.size(), 14);
    EXPECT_EQ(log[0], QStringLiteral("127.0.0.2: req0000"));
    EXPECT_EQ(log[6], QStringLiteral("127.0.0.2: ABC"));
    EXPECT_EQ(log[8], QStringLiteral("127.0.0.2: REQ-001"));
    EXPECT_EQ(log[12], QStringLiteral("127.0.0.2: 今彩539"));
    EXPECT_EQ(log[13], QStringLiteral("127.0.0.2: REQ0001"));

    Click(*window, "Button2");
    EXPECT_TRUE(MemoLines(*window, "Memo1").isEmpty());
    EXPECT_TRUE(platform.dialogs.prompts.empty());
}

TEST_F(LineSyncWindowTest, BurstKeepsTheNewestThousandLogLinesAndKeepsAnswering) {
    // 10 000 datagrams in rounds of 50 that end with a request, so each round is handled before
    // the next one could overflow the socket's receive buffer.
    const int rounds = 200;
    int number = 0;
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < 49; ++i)
            send("burst " + QByteArray::number(++number));
        send("REQ0001");
        ASSERT_EQ(receive(2).size(), 2) << "no answer in round " << round;
    }
    const QStringList log = LogEndingWith(*window, QStringLiteral("127.0.0.2: REQ0001"),
                                          QStringLiteral("127.0.0.2: burst ") + QString::number(number));
    EXPECT_EQ(Lines(*window, "Memo1").size(), TForm_dl_main::LogLineLimit);
    ASSERT_EQ(log.size(), 1000);
    EXPECT_EQ(log.front(), QStringLiteral("127.0.0.2: burst ") + QString::number(number - 20 * 49 + 1));
    EXPECT_EQ(log[998], QStringLiteral("127.0.0.2: burst ") + QString::number(number));
    EXPECT_EQ(log.back(), QStringLiteral("127.0.0.2: REQ0001"));

    EXPECT_EQ(answersTo("REQ0000", 3), (QByteArrayList{"RCX", "RCV", "END"}));
    EXPECT_EQ(LogEndingWith(*window, QStringLiteral("127.0.0.2: REQ0000")).back(),
              QStringLiteral("127.0.0.2: REQ0000"));
    EXPECT_EQ(Lines(*window, "Memo1").size(), 1000);
}

TEST_F(LineSyncWindowTest, TheLogTakesDatagramsInBatchesWhileRequestsAreAnsweredAtOnce) {
    QSignalSpy changes(&Find<QPlainTextEdit>(*window, "Memo1"), &QPlainTextEdit::textChanged);
    QElapsedTimer elapsed;
    elapsed.start();
    for (int round = 0; round < 10; ++round) {
        for (int i = 1; i <= 19; ++i)
            send("noise " + QByteArray::number(round * 19 + i));
        send("REQ0001");
        ASSERT_EQ(receive(2).size(), 2) << "no answer in round " << round; // not held back by the log
    }
    const QStringList log =
        LogEndingWith(*window, QStringLiteral("127.0.0.2: REQ0001"), QStringLiteral("127.0.0.2: noise 190"));
    EXPECT_EQ(log.size(), 200);
    EXPECT_EQ(log[0], QStringLiteral("127.0.0.2: noise 1"));
    // Line by line this was 200 changes; in batches at most one per interval (and the first at once).
    EXPECT_LE(changes.count(), 2 + elapsed.elapsed() / TForm_dl_main::LogIntervalMs);

    // Clearing also drops the lines still waiting for the next batch.
    send("late");
    send("REQ0001");
    ASSERT_EQ(receive(2).size(), 2);
    Click(*window, "Button2");
    send("after");
    EXPECT_EQ(LogEndingWith(*window, QStringLiteral("127.0.0.2: after")),
              QStringList{QStringLiteral("127.0.0.2: after")});
}

TEST_F(LineSyncWindowTest, SendButtonSendsTheHelloFrame) {
    Type(*window, "edit_host", PeerAddress.toString());
    Click(*window, "Btn_send");
    const auto got = receive(1);
    ASSERT_EQ(got.size(), 1);
    const QDateTime now(QDate(2026, 12, 7), QTime(10, 20, 30));
    EXPECT_EQ(QString::fromLatin1(got[0].data()),
              QStringLiteral("xxx   ") + QLocale::system().toString(now, QLocale::ShortFormat));
    EXPECT_EQ(StatusMessage(*window, "StatusBar1"), QStringLiteral("Data Sent"));

    Click(*window, "Button3");
    EXPECT_EQ(Text(*window, "edit_host"), QStringLiteral("127.0.0.1"));
}

TEST_F(LineSyncWindowTest, UnresolvableHostIsReportedAndNothingIsSent) {
    for (const QString& host : {QString(), QStringLiteral("no such host")}) {
        platform.dialogs.prompts.clear();
        Type(*window, "edit_host", host);
        Click(*window, "Btn_send");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !platform.dialogs.prompts.empty(); }, 5000))
            << host.toStdString();
        EXPECT_EQ(platform.dialogs.prompts.size(), 1u);
        EXPECT_EQ(platform.dialogs.lastText(), QStringLiteral("伺服器 IP 錯誤或沒有連上網路"));
        EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Error);
        EXPECT_EQ(platform.dialogs.prompts[0].buttons, DialogButtons::Ok);
        EXPECT_NE(StatusMessage(*window, "StatusBar1"), QStringLiteral("Data Sent"));
    }
    EXPECT_FALSE(peer.hasPendingDatagrams());
}

TEST_F(LineSyncWindowTest, ShowingLoadsTheDrawFileAndGreetsTheFixedPeer) {
    dir.writeLines(QStringLiteral("TW539.txt"), {MakeDrawLine("2026/01/02", "115001", {1, 2, 3, 4, 5}),
                                                 MakeDrawLine("2026/01/03", "115002", {6, 7, 8, 9, 10})});
    // The fixed peer is this host at the window's port: the window greets itself.
    QSignalSpy logged(&Find<QPlainTextEdit>(*window, "Memo1"), &QPlainTextEdit::textChanged);
    window->show();
    EXPECT_EQ(Label(*window, "Label4"), QStringLiteral("workfile=0"));
    EXPECT_EQ(Label(*window, "Label5"), QStringLiteral("savefile=2"));
    EXPECT_EQ(Text(*window, "Edit4"), QStringLiteral("2"));
    EXPECT_EQ(MemoLines(*window, "Memo3").size(), 2);
    EXPECT_EQ(Text(*window, "edit_host"), QStringLiteral("127.0.0.1"));
    ASSERT_TRUE(logged.wait(5000));
    EXPECT_TRUE(Text(*window, "Memo1").startsWith(QStringLiteral("127.0.0.1: xxx   ")));
    window->hide();

    // A port that is not a number stops the handler with the conversion message; nothing is sent.
    QFile::remove(dir.file(QStringLiteral("TW539.txt")));
    Type(*window, "Edit2", QStringLiteral("67x7"));
    window->show();
    EXPECT_EQ(platform.dialogs.lastText(), QStringLiteral("「Port」的內容「67x7」不是有效的整數"));
    EXPECT_TRUE(NamedByItsCaption(*window, "Edit2"));
    EXPECT_EQ(Label(*window, "Label5"), QStringLiteral("savefile=2"));
    window->hide();
    Type(*window, "Edit2", QStringLiteral("70000"));
    window->show();
    EXPECT_EQ(platform.dialogs.lastText(), QStringLiteral("「70000」不是有效的通訊埠號碼"));
    window->hide();

    // Without a draw file an empty one is written.
    Type(*window, "Edit2", QString::number(port));
    window->show();
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("TW539.txt"))));
    EXPECT_EQ(Label(*window, "Label5"), QStringLiteral("savefile=0"));
    EXPECT_TRUE(MemoLines(*window, "Memo3").isEmpty());
}

TEST_F(LineSyncWindowTest, PortInUseLeavesAQuietNoteInTheStatusBar) {
    TForm_dl_main second(services, WindowAddress, port);
    EXPECT_FALSE(second.listening());
    EXPECT_TRUE(StatusMessage(second, "StatusBar1").contains(QString::number(port)));
    EXPECT_TRUE(platform.dialogs.prompts.empty());
    // The first window keeps every datagram: the port is not shared.
    EXPECT_EQ(answersTo("REQ0000", 3), (QByteArrayList{"RCX", "RCV", "END"}));
}

TEST(LineSyncStartUp, TwoProgramsOnOnePortBothStartWithoutMessages) {
    WorkDir dir;
    FakePlatform platform;
    Application first(platform.services());
    Application second(platform.services());
    first.start();
    second.start();
    TForm_dl_main& a = *first.windows().get<TForm_dl_main>();
    TForm_dl_main& b = *second.windows().get<TForm_dl_main>();
    EXPECT_FALSE(a.isVisible());
    // Other test processes may hold the port for a while too, so either program may be the one
    // that got it; never both, and the one without it says so.
    EXPECT_FALSE(a.listening() && b.listening());
    for (TForm_dl_main* window : {&a, &b}) {
        if (!window->listening()) {
            EXPECT_TRUE(StatusMessage(*window, "StatusBar1").contains(QStringLiteral("6767")));
        }
    }
    if (a.listening()) {
        EXPECT_EQ(a.listenAddress(), QHostAddress(QHostAddress::AnyIPv4));
        EXPECT_EQ(a.listenPort(), 6767);
    }
    EXPECT_TRUE(platform.dialogs.prompts.empty());
    EXPECT_TRUE(first.windows().get<TForm_rk_main>()->isVisible());
    EXPECT_TRUE(second.windows().get<TForm_rk_main>()->isVisible());
}
