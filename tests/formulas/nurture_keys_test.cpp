#include "family_window_fixture.h"
#include "formulas/nurture30_window.h"

namespace {

class NurtureKeysTest : public FamilyWindowTest {};

} // namespace

TEST_F(NurtureKeysTest, EnterInTheThirtyDrawWindowOpensNothing) {
    loadShipped();
    TForm_rk_6line_3is_2 w(tables.draws, tables.work, services, links);
    w.show();
    const QStringList boxes = Boxes(w);
    ASSERT_TRUE(boxes.contains(QStringLiteral("cb_percent")) && boxes.contains(QStringLiteral("cb_base")));
    for (const QString& box : boxes)
        for (const char* text : {"3", "abc", ""}) {
            Type(w, qPrintable(box), text);
            Confirm(w, qPrintable(box));
            ASSERT_TRUE(w.isVisible()) << box.toStdString() << " " << text;
        }
    EXPECT_TRUE(links.opened.empty()) << links.opened.size() << " windows opened";
    Click(w, "Button1");
    EXPECT_EQ(links.opened, std::vector{WindowId::Form_rk_6line_3is});
}
