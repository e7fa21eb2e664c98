#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/drag/drag_grid.h"
#include "common/num_format.h"
#include "support/draw_lines.h"
#include "support/window_fixture.h"

// Ten draws. Rows 8, 9, 10 hold 12, 13, 14 (rule 2 predicts 15) and 20 (rule 1); rows 5, 7, 9 hold
// 20 (rule 6); no other chain holds.
inline std::vector<std::string> tenDraws() {
    const std::array<std::array<int, 5>, 10> numbers = {{{20, 31, 2, 17, 26},
                                                         {20, 32, 9, 24, 35},
                                                         {20, 30, 4, 18, 27},
                                                         {20, 31, 10, 22, 36},
                                                         {20, 32, 1, 16, 28},
                                                         {20, 30, 11, 23, 37},
                                                         {20, 31, 3, 19, 25},
                                                         {20, 12, 5, 21, 38},
                                                         {20, 13, 8, 26, 33},
                                                         {20, 14, 6, 29, 39}}};
    std::vector<std::string> lines;
    for (int k = 1; k <= 10; ++k)
        lines.push_back(MakeDrawLine("2026/01/" + NumFormat("00", k), "115" + NumFormat("000", k),
                                     numbers[static_cast<std::size_t>(k - 1)]));
    return lines;
}

class PathWindowTest : public WindowTest {
protected:
    void SetUp() override {
        loadDraws(tenDraws());
        std::vector<int> rows;
        for (int k = 1; k <= 10; ++k)
            rows.push_back(k);
        PublishDragQuery(tables.drag, tables.draws, rows, DragMark::Dot, "999999", false);
        tables.drag.RuleTitle = "本期開 20 本期 拖牌分析";
    }
};
