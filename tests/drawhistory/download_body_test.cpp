#include <QSignalSpy>
#include <QTimer>

#include "common/date.h"
#include "common/text_file.h"
#include "drawhistory/app_test_fixture.h"
#include "drawhistory/download_window.h"
#include "platform/net.h"
#include "support/http_test_server.h"

namespace {

const QString DrawFilePath = QStringLiteral("/HISTORYDATA/TW539.txt");
const QString DoneText = QStringLiteral("下載完成,請等候5-10秒以更新資料");

const std::string A = MakeDrawLine("2026/01/02", "115001", {1, 2, 3, 4, 5});
const std::string B = MakeDrawLine("2026/01/03", "115002", {6, 7, 8, 9, 10});
const std::string C = MakeDrawLine("2026/01/05", "115003", {11, 12, 13, 14, 15});

class DownloadBodyTest : public AppTest {
protected:
    HttpTestServer server;

    void SetUp() override {
        urls.drawData = server.baseUrl().toStdString();
        startWith({A, B});
    }

    // Downloads `body` once, from the download window opened on its own; the dialogs asked.
    QStringList download(const std::string& body) {
        server.route(DrawFilePath, {200, QByteArray::fromStdString(body), {}, false});
        platform.dialogs.prompts.clear();
        TForm_Download_TxT_from_http& d = *windows().get<TForm_Download_TxT_from_http>();
        whenShown<TForm_Download_TxT_from_http>(
            QStringLiteral("Form_Download_TxT_from_http"), [](TForm_Download_TxT_from_http& w) {
                QSignalSpy handled(&w, &TForm_Download_TxT_from_http::downloadFinished);
                Click(w, "Button1");
                ASSERT_TRUE(handled.wait(15000));
            });
        platform.shower.showModal(d);
        EXPECT_TRUE(Text(d, "Memo_txt").isEmpty()); // the body never goes through a text box
        return platform.dialogs.texts();
    }
};

std::string Repeated(const std::vector<std::string>& lines, int times) {
    std::string body;
    for (int i = 0; i < times; ++i)
        for (const std::string& line : lines)
            body += line + "\r\n";
    return body;
}

} // namespace

TEST_F(DownloadBodyTest, ABodyThatRepeatsADrawNumberIsRefusedAndTheFileStaysByteForByte) {
    const std::string before = drawFileBytes();
    // One draw line over and over: more draws than the file holds, every line valid.
    EXPECT_EQ(download(Repeated({C}, 50000)),
              QStringList{QStringLiteral("下載的資料第 2 行與第 1 行的期數相同,原檔案未變更:\n") +
                          QString::fromStdString(C)});
    EXPECT_EQ(drawFileBytes(), before);

    // The same draw number with other numbers, further down and out of order.
    const std::string otherB = MakeDrawLine("2026/01/04", "115002", {21, 22, 23, 24, 25});
    EXPECT_EQ(download(Repeated({C, B, A, otherB}, 1)),
              QStringList{QStringLiteral("下載的資料第 4 行與第 2 行的期數相同,原檔案未變更:\n") +
                          QString::fromStdString(otherB)});
    EXPECT_EQ(drawFileBytes(), before);
    EXPECT_EQ(state().draws.DrawCount, 2);
}

TEST_F(DownloadBodyTest, DrawsInAnyOrderAreTakenAndSortedByTheLoad) {
    EXPECT_EQ(download(Repeated({C, A, B}, 1)), QStringList{DoneText});
    EXPECT_EQ(drawFileBytes(), Repeated({C, A, B}, 1));
    EXPECT_EQ(state().draws.DrawCount, 3);
    EXPECT_EQ(state().draws.DrawId[1], "115001");
}

TEST_F(DownloadBodyTest, AHistoryThatCannotBeRealIsRefusedAndTheShippedOneIsTaken) {
    const std::string before = drawFileBytes();
    // Many different draws on one day, more than the file holds.
    std::string oneDay;
    for (int i = 0; i < 3000; ++i)
        oneDay += MakeDrawLine("2026/08/18", std::to_string(200000 + i), {1 + i % 39, 2, 3, 4, 5}) + "\r\n";
    EXPECT_EQ(
        download(oneDay),
        QStringList{QStringLiteral("下載的資料第 2 行與第 1 行的日期相同(每天只開獎一次),原檔案未變更:\n") +
                    QString::fromStdString(MakeDrawLine("2026/08/18", "200001", {2, 2, 3, 4, 5}))});
    EXPECT_EQ(drawFileBytes(), before);

    const std::string tomorrow = MakeDrawLine("2026/12/08", "115241", {1, 2, 3, 4, 5});
    EXPECT_EQ(download(Repeated({C, A, tomorrow, B}, 1)),
              QStringList{QStringLiteral("下載的資料第 3 行的日期在今天之後,原檔案未變更:\n") +
                          QString::fromStdString(tomorrow)});
    EXPECT_EQ(drawFileBytes(), before);
    EXPECT_EQ(state().draws.DrawCount, 2);

    // The history the server really sends: 2007 to 2026, one draw a day at most, over an older copy of it.
    const std::string shipped = ReadFileBytes(QORVEL_DATA_DIR "/TW539.txt");
    WriteFileBytes(dir.file(QStringLiteral("TW539.txt")).toStdString(), shipped.substr(0, 34 * 5000));
    EXPECT_EQ(download(shipped), QStringList{DoneText});
    EXPECT_EQ(drawFileBytes(), shipped);
    EXPECT_EQ(state().draws.DrawCount, MaxDraws);
}

TEST_F(DownloadBodyTest, ABodyThatRollsTheHistoryBackIsAskedAboutAndNoKeepsTheFileByteForByte) {
    const std::string shipped = ReadFileBytes(QORVEL_DATA_DIR "/TW539.txt");
    WriteFileBytes(dir.file(QStringLiteral("TW539.txt")).toStdString(), shipped);
    // As many draws, but the ten newest real ones are replaced by ten made-up draws of 2006.
    std::string body = shipped.substr(0, shipped.size() - 10 * 34);
    for (int i = 0; i < 10; ++i)
        body += MakeDrawLine("2006/05/" + std::to_string(10 + i), std::to_string(950100 + i),
                             {1, 2, 3, 4, 5 + i}) +
                "\r\n";
    const QString question =
        QStringLiteral("下載的資料會改掉目前檔案的 10 期開獎資料,確定要取代目前的檔案嗎?\n"
                       "目前檔案的 2026/08/07,115191,13,06,11,12,19\n在下載的資料裡沒有");

    platform.dialogs.answer(DialogAnswer::No);
    EXPECT_EQ(download(body), QStringList{question});
    EXPECT_EQ(platform.dialogs.prompts[0].buttons, DialogButtons::YesNo);
    EXPECT_EQ(drawFileBytes(), shipped);
    EXPECT_EQ(Label(main(), "lb_data"), QStringLiteral("日期:2026/08/18"));

    platform.dialogs.answer(DialogAnswer::Yes);
    EXPECT_EQ(download(body), (QStringList{question, DoneText}));
    EXPECT_EQ(drawFileBytes(), body);
    EXPECT_EQ(Label(main(), "lb_data"), QStringLiteral("日期:2026/08/06"));
}

TEST_F(DownloadBodyTest, TheWindowKeepsTurningWhileALargeBodyIsCheckedWrittenAndRead) {
    // 150 000 different draws, one a day back from today: 5 MB that pass every check, over an empty file.
    dir.writeLines(QStringLiteral("TW539.txt"), {});
    std::string body;
    const long long today = platform.clock.today().dayNumber();
    for (int i = 0; i < 150000; ++i)
        body += MakeDrawLine(DateFormat("yyyy/mm/dd", Date::fromDayNumber(today - i)),
                             std::to_string(300000 + i), {1 + i % 39, 1 + i / 39 % 39, 3, 4, 5}) +
                "\r\n";
    server.route(DrawFilePath, {200, QByteArray::fromStdString(body), {}, false});

    // A timer on the window's thread counts the turns of its event loop from the answer's arrival
    // to the end of its handling.
    int ticks = 0;
    int ticksAtAnswer = -1;
    int ticksAtEnd = -1;
    QTimer turns;
    QObject::connect(&turns, &QTimer::timeout, [&] { ++ticks; });
    turns.start(0);
    whenShown<TForm_Download_TxT_from_http>(
        QStringLiteral("Form_Download_TxT_from_http"), [&](TForm_Download_TxT_from_http& w) {
            auto* request = w.findChild<AsyncHttpGet*>(QStringLiteral("NMHTTP_DLTXT"));
            ASSERT_NE(request, nullptr);
            QObject::connect(request, &AsyncHttpGet::finished, &w, [&] { ticksAtAnswer = ticks; });
            QObject::connect(&w, &TForm_Download_TxT_from_http::downloadFinished, &w,
                             [&] { ticksAtEnd = ticks; });
            QSignalSpy handled(&w, &TForm_Download_TxT_from_http::downloadFinished);
            Click(w, "Button1");
            ASSERT_TRUE(handled.wait(60000));
        });
    platform.shower.showModal(*windows().get<TForm_Download_TxT_from_http>());
    EXPECT_EQ(platform.dialogs.texts(), QStringList{DoneText});
    ASSERT_GE(ticksAtAnswer, 0);
    EXPECT_GT(ticksAtEnd - ticksAtAnswer, 0);
    EXPECT_EQ(drawFileBytes(), body);
    EXPECT_EQ(state().draws.DrawCount, MaxDraws);
    EXPECT_EQ(Label(viewer(), "lb_reclen"), QStringLiteral("開獎資料共 2500 期"));
}

TEST_F(DownloadBodyTest, OnlyABodyThatTheLoaderReadsWholeIsTaken) {
    const std::string shipped = ReadFileBytes(QORVEL_DATA_DIR "/TW539.txt");
    WriteFileBytes(dir.file(QStringLiteral("TW539.txt")).toStdString(), shipped);
    const auto withLineAt = [&](std::size_t lineIndex, const std::string& line) {
        return shipped.substr(0, lineIndex * 34) + line + "\r\n" + shipped.substr(lineIndex * 34);
    };
    const auto refusal = [](int lineNumber, const char* shown) {
        return QStringList{QStringLiteral("下載的資料第 %1 行不是開獎資料,原檔案未變更:\n").arg(lineNumber) +
                           QString::fromUtf8(shown)};
    };
    // A made-up 2006 draw whose draw number starts with the Big5 character A4 40: 32 bytes, but 33
    // characters once read as text, where the loader would end the history. Put before the ten
    // newest draws, or first.
    const std::string forged = "2006/05/10,\xA4\x40"
                               "0100,01,02,03,04,05";
    EXPECT_EQ(download(withLineAt(5934, forged)), refusal(5935, "2006/05/10,一0100,01,02,03,04,05"));
    EXPECT_EQ(download(withLineAt(0, forged)), refusal(1, "2006/05/10,一0100,01,02,03,04,05"));
    // A date the loader reads as text: "2026/8/19 " comes after today ("2026/12/07") and never loads.
    EXPECT_EQ(download(shipped + "2026/8/19 ,115201,01,02,03,04,05\r\n"),
              refusal(5945, "2026/8/19 ,115201,01,02,03,04,05"));
    EXPECT_EQ(drawFileBytes(), shipped);
    EXPECT_EQ(Label(main(), "lb_data"), QStringLiteral("日期:2026/08/18"));
    EXPECT_EQ(state().draws.DrawCount, MaxDraws);
}
