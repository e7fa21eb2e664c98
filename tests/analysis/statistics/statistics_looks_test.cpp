#include <gtest/gtest.h>

#include "analysis/statistics/statistics_draws.h"
#include "analysis/statistics/statistics_window.h"
#include "support/window_fixture.h"

// The view and order buttons all read as buttons on the green panel, the chosen ones not only.
TEST_F(WindowTest, StatisticsSpeedButtonsAllLookLikeButtons) {
    loadDraws(TenFarThenFive());
    TForm_rk_statistics w(tables.draws, services, links, "ftp://127.0.0.1:9/");
    services.shower.showModal(w);
    const QColor panel = Colour(w, "RightPanel", QPalette::Window);
    for (const char* button : {"sb_F1", "sb_F2", "sb_F3", "sb_big", "sb_no"})
        EXPECT_LT(ColourShare(w, button, panel), 0.5) << button;
    EXPECT_TRUE(Ticked(w, "sb_F1"));
}
