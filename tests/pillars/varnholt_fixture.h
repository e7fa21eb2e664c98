#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

#include "app/application.h"
#include "app/main_window.h"
#include "common/num_format.h"
#include "pillars/varnholt_window.h"
#include "platform/memo_lines.h"
#include "support/draw_lines.h"
#include "support/ui_driver.h"
#include "support/window_fixture.h"

// The best-pillar window over a draw file of the test's own, built alone or opened from the main
// window, driven as a user drives it.

namespace {

// Draw d of 1..count is dated 2008/12/29 + d days and holds d, d+1, d+2, 20 and 30, so the first two
// draws fall before 2009 and 20 and 30 are in every draw.
std::vector<std::string> draws(int count = 12) {
    std::vector<std::string> lines;
    const Date start{2008, 12, 29};
    for (int d = 1; d <= count; ++d)
        lines.push_back(MakeDrawLine(DateFormat("yyyy/mm/dd", Date::fromDayNumber(start.dayNumber() + d)),
                                     NumFormat("000000", 97000 + d), {30, d, d + 1, 20, d + 2}));
    return lines;
}

class VarnholtWindowTest : public WindowTest {
protected:
    std::unique_ptr<TForm_varnholt> alone;
    std::unique_ptr<Application> app; // when opened from the main window

    // The window alone over the tables loaded from these draw lines, shown as its opener shows it.
    void open(const std::vector<std::string>& tw539 = draws()) {
        loadDraws(tw539);
        showAlone();
    }
    void showAlone() {
        alone = std::make_unique<TForm_varnholt>(tables.draws, services);
        alone->show();
        ASSERT_TRUE(alone->isVisible());
    }
    // The whole program over this draw file, the window opened from the main window's menu.
    void openFromMainWindow(const std::vector<std::string>& tw539 = draws()) {
        dir.writeLines(QStringLiteral("TW539.txt"), tw539);
        app = std::make_unique<Application>(platform.services());
        app->start();
        Click(*app->windows().Form_rk_main, "Varnholt");
        ASSERT_TRUE(w().isVisible());
    }
    TForm_varnholt& w() { return app ? *app->windows().Form_varnholt : *alone; }

    // The driver's calls for controls the tests hold by their place in a table (a number box, a
    // pillar's size box).
    void click(QAbstractButton* control) { Click(w(), name(control).c_str()); }
    void type(QComboBox* box, const QString& text) { Type(w(), name(box).c_str(), text); }
    void pick(QComboBox* box, const QString& text) { Pick(w(), name(box).c_str(), text); }
    static std::string name(const QObject* control) { return control->objectName().toStdString(); }

    QStringList memo1() { return MemoLines(w(), "Memo1"); }
    QStringList ticked() {
        QStringList out;
        for (int n = 1; n <= 49; ++n)
            if (w().ui.NoBox[n]->isChecked())
                out << w().ui.NoBox[n]->text();
        return out;
    }
};

} // namespace

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
