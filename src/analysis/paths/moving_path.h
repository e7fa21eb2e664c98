#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "common/fixed_table.h"
#include "common/text_table.h"
#include "draws/draw_tables.h"
#include "draws/work_area.h"

// The moving path: for every draw t, a base value taken from draw t-N (the number at one ball
// position, or the integer mean of three), shifted by up to three signed offsets and folded into
// 1..MaxNo, predicts numbers that are looked for in draw t and in the two draws after it. The row
// after the newest draw carries the forecast.

constexpr int MovingColumns = 13;
constexpr int MovingLookBackMax = 30; // the look-back list offers 1..30
constexpr int MovingPositionMax = 5;  // ball positions 1..5
constexpr int MovingForecastRows = MaxDraws + 1;
constexpr std::size_t MovingTitleTextMax = 12; // characters of a box's text that a rule title quotes

// One explanation line per grid row 1..DrawCount+1, kept until a computation rewrites it.
using MovingDetail = FixedTable<std::string, MovingForecastRows>;

// "落球" (drawn order) or "順球" (ascending order): the order word of the details and titles.
std::string MovingBallMode(bool drawnOrder);

// The order switch: DrawNumsWork := DrawNumsDrawn (drawn order) or DrawNums (ascending) for every
// draw 1..MaxDraws and position 1..7.
void FillWorkOrder(const DrawTables& draws, WorkArea& work, bool drawnOrder);

// The grid frame: headers ("落一".."落六" in mode 1, "順一".."順六" in mode 2), and per draw row its
// date, draw number, positions 1..7 (mode 1 from DrawNumsWork, mode 2 from DrawNums) and empty
// result columns 9..12. Mode 2 labels the forecast row "版路預測". The grid keeps its row count.
void show_map(TextTable& sgl, const DrawTables& draws, const WorkArea& work, int mode);

// A base value plus a signed offset as the number it names: ((v + 2·MaxNo − 1) mod MaxNo) + 1, exact
// for every v > −2·MaxNo.
int MovingFold(int value, int maxNo);

// The settings of one page, read from its boxes.
struct MovingRule {
    bool average = false;                  // page 2: the mean of three positions
    int lookBack = 1;                      // N
    std::array<int, 3> positions{1, 1, 1}; // page 1 uses the first
    std::array<int, 3> offsets{0, 0, 0};   // signed
    int count = 1;                         // offsets in use, 1..3
};

// The texts of a page's boxes and the run count of its checked radio button.
struct MovingPageTexts {
    std::string lookBack;
    std::array<std::string, 3> positions; // page 1: only the first
    std::array<std::string, 3> signs;
    std::array<std::string, 3> sizes;
    int count = 1;
};

// The rule of page 1 or page 2, or nothing when a look-back, position or size text is no integer or
// lies outside its list (N 1..30, positions 1..5, sizes 0..MaxNo−1): such a computation stops.
std::optional<MovingRule> ReadMovingRule(const MovingPageTexts& texts, bool average, int maxNo);

// One row of a computation: the texts for columns 9..12 and the row's detail line.
struct MovingRowTexts {
    std::string prediction; // column 9
    std::string hits;       // column 10 (the forecast row: its predictions, shown nowhere)
    std::string next1;      // column 11
    std::string next2;      // column 12
    std::optional<std::string> detail;
};

// One row t of page 1 / page 2 (`rule.average`). A row without a base draw returns empty texts, no
// detail, and the hits as the caller gave them. Throws ConversionError when a position 1..5 of the
// base draw is no integer.
MovingRowTexts check_moving1(const DrawTables& draws, const WorkArea& work, const std::string& ballMode,
                             int t, const MovingRule& rule, const std::string& hitsBefore);
MovingRowTexts check_moving2(const DrawTables& draws, const WorkArea& work, const std::string& ballMode,
                             int t, const MovingRule& rule, const std::string& hitsBefore);

// A whole computation: rows N..DrawCount+1 of columns 9..12 and their detail lines, and the
// forecast row's label "本期預測".
void ShowMoving(const DrawTables& draws, const WorkArea& work, const std::string& ballMode,
                const MovingRule& rule, TextTable& sgl, MovingDetail& moving_detail);

// The rule title of page 1 / page 2 from the texts of the boxes as they stand, each cut to
// MovingTitleTextMax characters; `kind` is the checked radio button's caption.
std::string MovingRuleTitle(const MovingPageTexts& texts, bool average, const std::string& ballMode,
                            const std::string& kind);

// The detail line a click on (column, row) adds to the memo: only result columns 9.. of rows below
// the look-back text's N, which must be an integer of its list.
std::optional<std::string> MovingRowDetail(const MovingDetail& moving_detail, const std::string& lookBackText,
                                           int column, int row, int drawCount);
