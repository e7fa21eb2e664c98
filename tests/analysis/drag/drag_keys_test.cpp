#include "analysis/drag/trace_single_window.h"
#include "drag_history.h"
#include "support/window_fixture.h"

namespace {

class DragKeysTest : public WindowTest {};

} // namespace

TEST_F(DragKeysTest, APositionGetsOneAnswerHoweverItArrives) {
    loadDraws(HistoryLines({{5, 12, 33, 1, 20}, {7, 8, 9, 10, 11}, {5, 6, 30, 31, 32}}));
    TForm_rk_trace_single w(tables.draws, tables.work, tables.drag, services, links);
    platform.shower.showModeless(w);
    // Position 6 holds no number: one message each time the text arrives, whichever way.
    const auto answers = [&](const std::function<void()>& arrive) {
        Pick(w, "cb_add1", "1");
        const std::size_t before = platform.dialogs.prompts.size();
        arrive();
        QStringList texts;
        for (std::size_t i = before; i < platform.dialogs.prompts.size(); ++i)
            texts << platform.dialogs.prompts[i].text;
        return texts.join(QLatin1Char('|')).toStdString();
    };
    const std::string typed = answers([&] {
        Type(w, "cb_add1", "6");
        Confirm(w, "cb_add1");
    });
    EXPECT_EQ(typed, "「第」的內容「6」不在 1 到 5 之間");
    EXPECT_EQ(answers([&] {
                  Paste(w, "cb_add1", "6");
                  Confirm(w, "cb_add1");
                  Leave(w, "cb_add1");
              }),
              typed);
    EXPECT_EQ(answers([&] { Pick(w, "cb_add1", "6"); }), typed);
    EXPECT_TRUE(w.isVisible());
}
