#include <QSignalSpy>

#include "drawhistory/app_test_fixture.h"
#include "drawhistory/download_window.h"
#include "support/http_test_server.h"

namespace {

const QString DrawFilePath = QStringLiteral("/HISTORYDATA/TW539.txt");

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
    EXPECT_EQ(download(Repeated({C, A, B}, 1)),
              QStringList{QStringLiteral("下載完成,請等候5-10秒以更新資料")});
    EXPECT_EQ(drawFileBytes(), Repeated({C, A, B}, 1));
    EXPECT_EQ(state().draws.DrawCount, 3);
    EXPECT_EQ(state().draws.DrawId[1], "115001");
}
