// The help pages name what their windows show, under the captions shown, and leave the wrapping of
// their paragraphs to the narrow help viewer.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "common/text_file.h"
#include "drawhistory/app_test_fixture.h"
#include "platform/qt_text.h"
#include "support/ui_driver.h"

namespace {

struct HelpPage {
    const char* file;
    std::vector<std::pair<const char*, const char*>> windows; // the main window's item, the window
};

const std::vector<HelpPage> Pages = {
    {"help_record.txt", {{"lt_record", "Form_rk_lotto_record"}}},
    {"help_single.txt", {{"N3", "Form_rk_trace_single"}}},
    {"help_moving.txt", {{"moving", "Form_rk_moving"}}},
    {"help_0428.txt", {{"one3is", "Form_rk_6line_3is"}, {"one3is_2", "Form_rk_6line_3is_2"}}},
};

// Every caption a window shows: buttons, labels, menu items, page tabs and group boxes.
QStringList Captions(QWidget& window) {
    QStringList captions;
    for (auto* button : window.findChildren<QAbstractButton*>())
        captions << button->text().remove(QLatin1Char('&'));
    for (auto* label : window.findChildren<QLabel*>())
        captions << label->text();
    for (auto* action : window.findChildren<QAction*>())
        captions << action->text().remove(QLatin1Char('&'));
    for (auto* tabs : window.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
    for (auto* group : window.findChildren<QGroupBox*>())
        captions << group->title();
    return captions;
}

class HelpPagesTest : public AppTest {
protected:
    void SetUp() override { startOnShippedHistory(); }

    // Opens the window from the main window as a player does and reads its captions.
    QStringList captionsOf(const char* item, const char* window) {
        const QString name = QString::fromUtf8(window);
        QStringList captions;
        platform.shower.whenModal(name, [&](QDialog& shown) { captions = Captions(shown); });
        Click(main(), item);
        for (QWidget* shown : QApplication::topLevelWidgets())
            if (captions.isEmpty() && shown->objectName() == name && shown->isVisible())
                captions = Captions(*shown);
        EXPECT_FALSE(captions.isEmpty()) << window;
        return captions;
    }
};

} // namespace

TEST_F(HelpPagesTest, EveryQuotedCaptionIsShownByTheWindowsThePageHelps) {
    const QRegularExpression quoted(QStringLiteral("「([^」]*)」"));
    for (const HelpPage& page : Pages) {
        SCOPED_TRACE(page.file);
        QStringList captions;
        for (const auto& [item, window] : page.windows)
            captions += captionsOf(item, window);
        const std::string path = std::string(QORVEL_DATA_DIR "/") + page.file;
        int names = 0;
        for (const std::string& line : ReadTextLines(path)) {
            for (const QRegularExpressionMatch& match : quoted.globalMatch(qs(line))) {
                ++names;
                EXPECT_TRUE(captions.contains(match.captured(1))) << match.captured(0).toStdString();
            }
        }
        EXPECT_GT(names, 0);
    }
}

// The viewer wraps each line at its own width: a line of the file is a whole paragraph, ending its
// sentence, so the viewer never strands the tail of a line broken for another width; an example of a
// file's line stands alone. The files stay Big5 with CR LF, as every text file of the program.
TEST_F(HelpPagesTest, EveryLineIsAWholeParagraph) {
    for (const HelpPage& page : Pages) {
        SCOPED_TRACE(page.file);
        const std::string path = std::string(QORVEL_DATA_DIR "/") + page.file;
        const std::string bytes = ReadFileBytes(path);
        const std::vector<std::string> lines = ReadTextLines(path);
        ASSERT_FALSE(lines.empty());
        std::size_t lineEnds = 0;
        for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2))
            ++lineEnds;
        EXPECT_EQ(lineEnds, lines.size());
        EXPECT_TRUE(qs(lines.front()).endsWith(QStringLiteral("操作說明")));
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const QString line = qs(lines[i]);
            EXPECT_FALSE(line.contains(QChar(0xFFFD))) << lines[i];
            const bool example =
                std::all_of(line.begin(), line.end(), [](QChar c) { return c.unicode() < 0x80; });
            if (line.isEmpty() || example)
                continue;
            EXPECT_FALSE(line.front().isSpace()) << lines[i];
            EXPECT_TRUE(line.endsWith(QStringLiteral("。"))) << lines[i];
        }
    }
}
