#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

#include "app/application.h"
#include "common/num_format.h"
#include "app/main_window.h"
#include "pillars/varnholt_window.h"
#include "platform/memo_lines.h"
#include "support/draw_lines.h"
#include "support/fake_platform.h"
#include "support/work_dir.h"

// The best-pillar window opened from the main window over a draw file of the test's own, driven as
// a user drives it.

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

class VarnholtWindowTest : public ::testing::Test {
protected:
    WorkDir dir;
    FakePlatform platform;
    std::unique_ptr<Application> app;

    void open(const std::vector<std::string>& tw539 = draws()) {
        dir.writeLines(QStringLiteral("TW539.txt"), tw539);
        app = std::make_unique<Application>(platform.services());
        app->start();
        app->windows().Form_rk_main->Varnholt->trigger();
        ASSERT_TRUE(w().isVisible());
    }
    TForm_varnholt& w() { return *app->windows().Form_varnholt; }

    // As the user does: bring the control's page to the front, then click.
    void click(QAbstractButton* control) {
        for (QWidget* page : {w().TS2, w().TS3, w().TS4, w().TS5, w().TS6, w().TS7})
            if (page->isAncestorOf(control))
                w().PageC->setCurrentWidget(page);
        ASSERT_TRUE(control->isVisibleTo(&w()) && control->isEnabled())
            << control->objectName().toStdString();
        control->click();
    }
    // As the user types into an editable box: the old text selected and replaced.
    void type(QComboBox* box, const QString& text) {
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), text);
    }
    void pick(QComboBox* box, const QString& text) {
        box->setCurrentText(text);
        emit box->textActivated(text);
    }
    QStringList memo1() { return MemoLines(*w().Memo1); }
    QStringList ticked() {
        QStringList out;
        for (int n = 1; n <= 49; ++n)
            if (w().NoBox[n]->isChecked())
                out << w().NoBox[n]->text();
        return out;
    }
};

} // namespace

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
