#pragma once

#include <QColor>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>

#include "app/application.h"
#include "app/main_window.h"
#include "common/num_format.h"
#include "common/num_text.h"
#include "pillars/varnholt_window.h"
#include "support/draw_lines.h"
#include "support/ui_driver.h"
#include "support/window_fixture.h"

// The best-pillar window over a draw file of the test's own, built alone or opened from the main
// window, driven as a user drives it.

namespace {

// The name of a control the window holds in a table, by its place: taken wherever the driver
// takes a name.
struct TableControl {
    std::string name;
    operator const char*() const { return name.c_str(); }
};
inline TableControl NumberBox(int n) {
    return {"CB" + NumText(n)};
}
inline TableControl TailBox(int d) {
    return {"CBT" + std::to_string(d)};
}
inline TableControl HeadBox(int h) {
    return {"CBH" + std::to_string(h)};
}
inline TableControl SizeBox(int p) {
    return {"ComboBox" + std::to_string(p)};
}
inline TableControl PillarMemo(int p) {
    return {"Mx" + std::to_string(p)};
}

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
        Click(*app->windows().get<TForm_rk_main>(), "Varnholt");
        ASSERT_TRUE(w().isVisible());
    }
    TForm_varnholt& w() { return app ? *app->windows().get<TForm_varnholt>() : *alone; }

    QStringList memo1() { return MemoLines(w(), "Memo1"); }
    // Pastes these lines into a memo in place of what it holds.
    void paste(const char* memo, const QStringList& lines) { Type(w(), memo, lines.join(QLatin1Char('\n'))); }
    // The numbers ticked on the selection page, ascending.
    QStringList ticked() {
        QStringList out;
        for (int n = 1; n <= NumberBoxes; ++n)
            if (Ticked(w(), NumberBox(n)))
                out << Text(w(), NumberBox(n));
        return out;
    }
    // How many numbers are selected, as the selection page counts them.
    int selected() { return Label(w(), "lb_selectNo").toInt(); }
    // The selected numbers, as the pillar page lists them.
    QStringList selection() {
        return Label(w(), "Label6").remove(QLatin1Char(' ')).split(QLatin1Char(','), Qt::SkipEmptyParts);
    }
    // The pillar page's count of the numbers the layout holds.
    static QString LayoutTotal(int numbers) {
        return QStringLiteral("您立柱所有的號碼數為：") + QString::number(numbers) +
               QStringLiteral("  請留意！必須和您上面所選的數目相同");
    }
};

} // namespace

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QColor& colour, std::ostream* out) {
    *out << colour.name().toStdString();
}
