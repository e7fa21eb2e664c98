#include <QTest>
#include <gtest/gtest.h>

#include "drawhistory/line_sync_window.h"
#include "support/fake_platform.h"
#include "support/ui_driver.h"

namespace {

const QHostAddress Peer(QStringLiteral("127.0.0.2"));

// A datagram of `size` bytes: text with line ends and a run of binary bytes in it.
QByteArray Datagram(int size, char fill) {
    QByteArray datagram(size, fill);
    datagram[1] = '\n';
    datagram[3] = '\0';
    datagram[5] = '\r';
    return datagram;
}

QStringList LogOnceFlushed(QWidget& window) {
    (void)QTest::qWaitFor([&] { return !Text(window, "Memo1").isEmpty(); }, 5000);
    return Text(window, "Memo1").split(QLatin1Char('\n'));
}

} // namespace

// Whatever a flood carries, one flush of the log shows a bounded amount of it.
TEST(LineSyncLog, LongOrBinaryDatagramsShowOneCutLineAndAFloodShowsItsNewestLines) {
    FakePlatform platform;
    Services services = platform.services();
    TForm_dl_main window(services, QHostAddress(QStringLiteral("127.0.0.1")), 0);
    window.takeDatagram(Datagram(1400, 'a'), Peer);
    QStringList log = LogOnceFlushed(window);
    ASSERT_EQ(log.size(), 1);
    const QString shown = QStringLiteral("a\uFFFDa\uFFFDa\uFFFD") + QString(194, QLatin1Char('a'));
    EXPECT_EQ(log[0], QStringLiteral("127.0.0.2: ") + shown + QStringLiteral("…(cut, 1400 bytes)"));

    Click(window, "Button2");
    const int flood = 1500;
    for (int i = 0; i < flood; ++i)
        window.takeDatagram(Datagram(1400, static_cast<char>('A' + i % 26)), Peer);
    log = LogOnceFlushed(window);
    qsizetype characters = 0;
    for (const QString& line : log)
        characters += line.size() + 1;
    EXPECT_LE(characters, TForm_dl_main::LogFlushChars + 40); // one go of the log and its count line
    const int shownLines = static_cast<int>(log.size()) - 1;
    EXPECT_EQ(log[0], QStringLiteral("(%1 datagrams not shown)").arg(flood - shownLines));
    EXPECT_TRUE(log.back().startsWith(QStringLiteral("127.0.0.2: ") + QChar(u'A' + (flood - 1) % 26)));
}
