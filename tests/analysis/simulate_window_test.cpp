#include <QLineEdit>
#include <gtest/gtest.h>

#include "analysis/simulate_window.h"
#include "app/application.h"
#include "app/main_window.h"
#include "support/window_fixture.h"

namespace {

class SimulateWindowTest : public WindowTest {};

} // namespace

TEST_F(SimulateWindowTest, BoxesKeepIntegersAsTwoDigitsAcrossShowings) {
    TForm_rk_simulate w(platform.dialogs);
    services.shower.showModal(w);
    Type(w, "Edit1", "7a");
    EXPECT_EQ(Text(w, "Edit1"), "");
    Type(w, "Edit1", "7");
    Leave(w, "Edit1");
    EXPECT_EQ(Text(w, "Edit1"), "07");
    Type(w, "Edit2", "123");
    Leave(w, "Edit2");
    EXPECT_EQ(Text(w, "Edit2"), "123");
    Leave(w, "Edit3");
    EXPECT_EQ(Text(w, "Edit3"), "");
    Type(w, "Edit7", "123"); // the special number takes two characters
    EXPECT_EQ(Text(w, "Edit7"), "12");

    Click(w, "BitBtn1");
    EXPECT_FALSE(w.isVisible());
    Find<QLineEdit>(w, "Edit1").setText(QStringLiteral("99")); // what a showing replaces
    services.shower.showModal(w);
    EXPECT_EQ(Text(w, "Edit1"), "07");
    EXPECT_EQ(Text(w, "Edit2"), "123");
    EXPECT_EQ(Text(w, "Edit7"), "12");
}

TEST_F(SimulateWindowTest, OpensFromTheStatisticsMenu) {
    loadDraws({});
    Application app(services);
    app.start();
    Click(*app.windows().get<TForm_rk_main>(), "simulate");
    EXPECT_EQ(platform.shower.modalShown.back(), QStringLiteral("Form_rk_simulate"));
}
