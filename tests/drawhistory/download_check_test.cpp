#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "common/date.h"
#include "drawhistory/draw_download.h"
#include "support/draw_lines.h"

// What replacing the current draw file by a download would take away, and the question asked then.

namespace {

const Date Today{2026, 12, 7};

std::string FileOf(const std::vector<std::string>& lines) {
    std::string file;
    for (const std::string& line : lines)
        file += line + "\r\n";
    return file;
}

// The draws of the current file `current` put at risk by a download of `body`.
DrawsAtRisk Compare(const std::vector<std::string>& current, const std::vector<std::string>& body) {
    const DownloadedDrawFile downloaded = DrawFileFromDownload(FileOf(body), Today);
    EXPECT_TRUE(downloaded.ok());
    return CompareWithCurrent(FileOf(current), downloaded, Today);
}

std::string Question(const std::vector<std::string>& current, const std::vector<std::string>& body) {
    return ReplacementQuestion(Compare(current, body), static_cast<int>(body.size()));
}

// The n-th real-looking draw: one a day from 2026/01/01.
std::string Draw(int n) {
    return MakeDrawLine(DateFormat("yyyy/mm/dd", Date::fromDayNumber(Date{2026, 1, 1}.dayNumber() + n)),
                        std::to_string(115001 + n), {1 + n % 35, 2 + n % 35, 3 + n % 35, 4 + n % 35, 5});
}

} // namespace

TEST(DownloadReplacement, ADownloadThatOnlyAddsDrawsAsksNothing) {
    const std::vector<std::string> current = {Draw(3), Draw(4), Draw(5)};
    // Older and newer draws, in another order; blanks around a line and other separators are no change.
    EXPECT_EQ(Question(current, {Draw(6), Draw(1), "  " + Draw(5), Draw(4), Draw(2), Draw(3)}), "");
    std::string otherSeparators = Draw(4);
    for (const std::size_t at : {10u, 17u, 20u, 23u, 26u, 29u})
        otherSeparators[at] = ' ';
    EXPECT_EQ(Question(current, {Draw(3), otherSeparators, Draw(5)}), "");
    // The current file counts as the loader reads it: up to its first line that is not a draw.
    EXPECT_EQ(Question({Draw(3), "2026/13/01,115999,01,02,03,04,05", Draw(9)}, {Draw(3)}), "");
    EXPECT_EQ(Question({}, {Draw(3)}), "");
}

TEST(DownloadReplacement, TheCurrentFileCountsAsTheLoaderReadsIt) {
    // 32 bytes, but 33 characters once the Big5 character A4 40 is read as text: the loader ends the
    // history there, so the draws after it are none of the file's.
    const std::string forged = "2026/01/05,\xA4\x40"
                               "5004,01,02,03,04,05";
    EXPECT_EQ(Question({Draw(3), forged, Draw(9)}, {Draw(3)}), "");
    // Nor is a draw dated after today, which the loader skips.
    EXPECT_EQ(Question({Draw(3), MakeDrawLine("2026/12/08", "115341", {1, 2, 3, 4, 5})}, {Draw(3)}), "");
}

TEST(DownloadReplacement, ADroppedOrChangedDrawIsAskedAboutAndTheFirstIsNamed) {
    std::vector<std::string> current;
    for (int n = 0; n < 20; ++n)
        current.push_back(Draw(n));

    // The ten newest replaced by ten made-up draws of 2006: as many draws, ten of them lost.
    std::vector<std::string> rolledBack(current.begin(), current.begin() + 10);
    for (int n = 0; n < 10; ++n)
        rolledBack.push_back(MakeDrawLine("2006/03/" + std::to_string(10 + n),
                                          std::to_string(95100 + n) + "0", {1, 2, 3, 4, 5 + n}));
    const DrawsAtRisk rollback = Compare(current, rolledBack);
    EXPECT_EQ(rollback.currentDraws, 20);
    EXPECT_EQ(rollback.lostDraws, 10);
    EXPECT_EQ(ReplacementQuestion(rollback, 20),
              "下載的資料會改掉目前檔案的 10 期開獎資料,確定要取代目前的檔案嗎?\n"
              "目前檔案的 " +
                  Draw(10) + "\n在下載的資料裡沒有");

    // One date with another draw number, or the same draw with other numbers or another drawn order.
    const std::string date = Draw(7).substr(0, 11);
    for (const std::string& changed :
         {date + "999999,08,09,10,11,05", date + "115008,08,09,10,11,06", date + "115008,09,08,10,11,05"}) {
        SCOPED_TRACE(changed);
        std::vector<std::string> body = current;
        body[7] = changed;
        EXPECT_EQ(Question(current, body), "下載的資料會改掉目前檔案的 1 期開獎資料,確定要取代目前的檔案嗎?\n"
                                           "目前檔案的 " +
                                               Draw(7) + "\n在下載的資料裡是 " + changed);
    }

    // Fewer draws than the file holds: said first, as before.
    EXPECT_EQ(Question(current, {Draw(0), Draw(2)}),
              "下載的資料只有 2 期,比目前檔案的 20 期少,確定要取代目前的檔案嗎?\n目前檔案的 " + Draw(1) +
                  "\n在下載的資料裡沒有");
}
