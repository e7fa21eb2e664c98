#pragma once

#include <string>
#include <vector>

#include "formulas/formula_search.h"

// One formula window's settings of the shared search mechanics: which common controls it shows and
// with what items, how many formulas it keeps and how it sorts them, how it reports an empty
// result, the extent of its order toggle, its memory file and its popup items. The shared form and
// window read nothing else about a member; a member adds only its own controls and family.

enum class BoxUse { None, Shown, Hidden }; // a common box the member does not have, shows, or hides
enum class ThresholdBox { None, Percent, RunLength }; // cb_percent, or cb_lan of the double-drag windows
enum class NoResultReport { Message, PlanPanel };     // the message box, or "無" in the plan panel
enum class MemoryFileName { None, PerGame, PerForm }; // Text539._<form>.txt or Text8E_<form>.txt

struct FormulaMember {
    std::string formName; // the window's object name, also in its memory file name
    std::string caption;
    int width = 800;
    int height = 669;
    std::string startCaption = "開始";

    BoxUse baseDate = BoxUse::Shown; // cb_date with the 20 newest dates
    BoxUse lookBack = BoxUse::Shown; // cb_base
    std::vector<std::string> lookBackItems;
    std::string lookBackText;

    ThresholdBox threshold = ThresholdBox::Percent;
    std::vector<std::string> thresholdItems;
    std::string thresholdText;

    int capacity = 1000; // kept formulas; also the early stop
    KeySort sort = KeySort::Descending;
    NoResultReport noResult = NoResultReport::Message;

    int orderPositions = 0;         // positions the order toggle rewrites; 0: no toggle
    bool orderRadiosShown = true;   // rb_ball_ori / rb_ball_sort
    bool longBallNames = false;     // "落球"/"順球" instead of "落"/"順" in texts
    bool sortedOrderOnShow = false; // each showing checks "順球"

    MemoryFileName memoryFile = MemoryFileName::None;
    std::string printItem;  // object name of the popup item "列印版路內容"; empty: none
    std::string deleteItem; // object name of the popup item "刪除基準日參數記憶"; empty: none

    int progressMax = 0;        // Pbar's maximum; 0: no progress bar
    bool ruleLabelShown = true; // lb_rule with the key or formula on show

    std::vector<std::string> gridHeadings; // sgl: one fixed heading row, no fixed column
    std::vector<int> columnWidths;
    std::string headingColour = "silver";
};

// The two double-drag windows.
FormulaMember Ai2Stk3xxMember();
FormulaMember Ai2StkT3xxMember();
