#include "support/ui_driver.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/click_label.h"
#include "platform/form_controls.h"
#include "platform/string_grid.h"

namespace {

// The message a driver call failed with; empty when it did not fail (which fails the test).
std::string FailureOf(const std::function<void()>& call) {
    ::testing::TestPartResultArray failures;
    bool thrown = false;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        try {
            call();
        } catch (const ControlError&) {
            thrown = true;
        }
    }
    EXPECT_TRUE(thrown) << "the call went on after its failure";
    if (failures.size() != 1) {
        ADD_FAILURE() << "expected one failure, got " << failures.size();
        return {};
    }
    return failures.GetTestPartResult(0).message();
}

// A window with two tab pages and one control of each kind the driver handles.
struct Window {
    QDialog root;
    QTabWidget* pages = Named(new QTabWidget(&root), "pages");
    QWidget* first = Named(new QWidget, "first");
    QWidget* second = Named(new QWidget, "second");
    QPushButton* go = NewButton("go", QStringLiteral("Go"), second);
    QPushButton* hidden = NewButton("hidden", QStringLiteral("Hidden"), first);
    QPushButton* off = NewButton("off", QStringLiteral("Off"), first);
    QCheckBox* tick = NewCheckBox("tick", QStringLiteral("Tick"), false, first);
    ClickLabel* link = Named(new ClickLabel(QStringLiteral("說明"), first), "link");
    QAction* menuItem = Named(new QAction(QStringLiteral("Item"), &root), "menuItem");
    QLineEdit* edit = NewEdit("edit", QStringLiteral("old"), first);
    QLineEdit* shown = NewEdit("shown", QStringLiteral("12"), first);
    QComboBox* editable = NewEditableCombo("editable", NumberItems(1, 5), QStringLiteral("1"), first);
    QComboBox* fixed = Named(new QComboBox(first), "fixed");
    QSpinBox* spin = Named(new QSpinBox(first), "spin");
    QPlainTextEdit* memo = NewMemo("memo", first);
    QGroupBox* order = Named(new QGroupBox(first), "order");
    QRadioButton* orderA = new QRadioButton(QStringLiteral("４星優先"), order);
    QRadioButton* orderB = new QRadioButton(QStringLiteral("３星優先"), order);
    QGroupBox* options = Named(new QGroupBox(first), "options");
    QCheckBox* optionA = new QCheckBox(QStringLiteral("A"), options);
    StringGrid* grid = Named(new StringGrid(1, 1, first), "grid");
    QLabel* label = NewLabel("label", QStringLiteral("共計 3 個"), first);

    int clicks = 0, links = 0, triggers = 0, edits = 0, confirmed = 0;
    QStringList activated;

    Window() {
        root.setObjectName(QStringLiteral("root"));
        pages->addTab(first, QStringLiteral("1"));
        pages->addTab(second, QStringLiteral("2"));
        hidden->hide();
        off->setEnabled(false);
        shown->setReadOnly(true);
        fixed->addItems({QStringLiteral("甲"), QStringLiteral("乙")});
        orderA->setChecked(true);
        grid->SetColCount(3);
        grid->SetRowCount(3);
        grid->SetCell(1, 0, QStringLiteral("head"));
        grid->SetCell(2, 2, QStringLiteral("cell"));
        auto* layout = new QVBoxLayout(&root);
        layout->addWidget(pages);
        QObject::connect(go, &QPushButton::clicked, &root, [this] { ++clicks; });
        QObject::connect(link, &ClickLabel::clicked, &root, [this] { ++links; });
        QObject::connect(menuItem, &QAction::triggered, &root, [this] { ++triggers; });
        QObject::connect(edit, &QLineEdit::textEdited, &root, [this] { ++edits; });
        QObject::connect(editable->lineEdit(), &QLineEdit::editingFinished, &root, [this] { ++confirmed; });
        for (QComboBox* box : {editable, fixed})
            QObject::connect(box, &QComboBox::textActivated, &root,
                             [this](const QString& t) { activated << t; });
    }
};

} // namespace

TEST(ControlDriver, ClicksWhatAUserCanReachAndNamesWhatTheyCannot) {
    Window w;
    Click(w.root, "go"); // on the page behind: its tab is picked first
    EXPECT_EQ(w.clicks, 1);
    EXPECT_EQ(CurrentPage(w.root, "pages"), QStringLiteral("second"));
    Click(w.root, "tick");
    EXPECT_TRUE(w.tick->isChecked());
    EXPECT_EQ(w.pages->currentWidget(), w.first);
    Click(w.root, "link");
    Click(w.root, "menuItem");
    EXPECT_EQ(w.links, 1);
    EXPECT_EQ(w.triggers, 1);

    EXPECT_NE(FailureOf([&] { Click(w.root, "nowhere"); }).find("\"nowhere\" does not exist in root"),
              std::string::npos);
    EXPECT_NE(FailureOf([&] { Click(w.root, "hidden"); }).find("\"hidden\" is not visible"),
              std::string::npos);
    EXPECT_NE(FailureOf([&] { Click(w.root, "off"); }).find("\"off\" is not enabled"), std::string::npos);
    EXPECT_NE(FailureOf([&] { Click(w.root, "edit"); }).find("\"edit\" cannot be clicked"),
              std::string::npos);
    w.menuItem->setEnabled(false);
    EXPECT_NE(FailureOf([&] { Click(w.root, "menuItem"); }).find("is not enabled"), std::string::npos);
    EXPECT_EQ(w.triggers, 1);
    NewButton("go", QStringLiteral("Go again"), w.first);
    EXPECT_NE(FailureOf([&] { Click(w.root, "go"); }).find("\"go\" names 2 controls"), std::string::npos);
}

TEST(ControlDriver, TypesKeyByKeyAndConfirms) {
    Window w;
    Type(w.root, "edit", "ab");
    EXPECT_EQ(w.edit->text(), QStringLiteral("ab"));
    EXPECT_EQ(w.edits, 2);
    Type(w.root, "edit", "二〇〇九");
    EXPECT_EQ(w.edit->text(), QStringLiteral("二〇〇九"));
    Type(w.root, "edit", "");
    EXPECT_EQ(w.edit->text(), QString());

    Type(w.root, "editable", "12");
    EXPECT_EQ(w.editable->currentText(), QStringLiteral("12"));
    EXPECT_EQ(w.editable->count(), 5);
    EXPECT_EQ(w.confirmed, 0);
    Confirm(w.root, "editable");
    EXPECT_EQ(w.confirmed, 1);

    Type(w.root, "memo", "line 1\nline 2\n");
    EXPECT_EQ(MemoLines(w.root, "memo"), (QStringList{QStringLiteral("line 1"), QStringLiteral("line 2")}));
    Type(w.root, "spin", "42");
    EXPECT_EQ(w.spin->value(), 42);

    EXPECT_NE(FailureOf([&] { Type(w.root, "shown", "1"); }).find("is read-only"), std::string::npos);
    EXPECT_NE(FailureOf([&] { Type(w.root, "fixed", "甲"); }).find("pick one of its items"),
              std::string::npos);
    EXPECT_NE(FailureOf([&] { Type(w.root, "go", "x"); }).find("takes no typing"), std::string::npos);
    EXPECT_EQ(w.shown->text(), QStringLiteral("12"));
}

TEST(ControlDriver, PicksItemsAndChoices) {
    Window w;
    Pick(w.root, "fixed", "乙");
    Pick(w.root, "editable", 2);
    EXPECT_EQ(w.fixed->currentIndex(), 1);
    EXPECT_EQ(w.editable->currentText(), QStringLiteral("3"));
    EXPECT_EQ(w.activated, (QStringList{QStringLiteral("乙"), QStringLiteral("3")}));

    Pick(w.root, "order", "３星優先");
    EXPECT_TRUE(w.orderB->isChecked());
    Pick(w.root, "order", 0);
    EXPECT_TRUE(w.orderA->isChecked());
    Pick(w.root, "options", "A");
    Pick(w.root, "options", "A"); // a ticked box stays ticked
    EXPECT_TRUE(w.optionA->isChecked());

    EXPECT_NE(FailureOf([&] { Pick(w.root, "fixed", "丙"); }).find("has no item \"丙\""), std::string::npos);
    EXPECT_NE(FailureOf([&] { Pick(w.root, "fixed", 2); }).find("has no item 2 (2 items)"),
              std::string::npos);
    EXPECT_NE(FailureOf([&] { Pick(w.root, "order", "２星優先"); }).find("has no choice"), std::string::npos);
    w.orderB->setEnabled(false);
    EXPECT_NE(FailureOf([&] { Pick(w.root, "order", 1); }).find("cannot pick choice 1 now"),
              std::string::npos);
    EXPECT_EQ(w.activated.size(), 2);
}

TEST(ControlDriver, ReadsMemosGridsAndLabelsEvenWhenHidden) {
    Window w;
    w.memo->setPlainText(QStringLiteral("a\n\nb"));
    w.memo->hide();
    EXPECT_EQ(MemoLines(w.root, "memo"), (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(GridRow(w.root, "grid", 0), (QStringList{QString(), QStringLiteral("head"), QString()}));
    EXPECT_EQ(GridRow(w.root, "grid", 2), (QStringList{QString(), QString(), QStringLiteral("cell")}));
    EXPECT_EQ(Label(w.root, "label"), QStringLiteral("共計 3 個"));
    EXPECT_EQ(Text(w.root, "editable"), QStringLiteral("1"));
    EXPECT_EQ(Text(w.root, "go"), QStringLiteral("Go"));

    EXPECT_NE(FailureOf([&] { GridRow(w.root, "grid", 3); }).find("has no row 3 (3 rows)"),
              std::string::npos);
    EXPECT_NE(FailureOf([&] { MemoLines(w.root, "label"); }).find("is not a memo"), std::string::npos);
    EXPECT_NE(FailureOf([&] { Label(w.root, "memo"); }).find("is not a QLabel"), std::string::npos);
}

TEST(ControlDriver, ReadsHowControlsLookAndWhatTheirMenusOffer) {
    Window w;
    EXPECT_FALSE(Visible(w.root, "hidden"));
    EXPECT_TRUE(Visible(w.root, "go")); // on the page behind, yet shown with it
    EXPECT_FALSE(Enabled(w.root, "off"));
    EXPECT_EQ(RowCount(w.root, "grid"), 3);
    w.grid->addAction(w.menuItem);
    EXPECT_EQ(MenuItems(w.root, "grid"), QStringList{QStringLiteral("Item")});
    w.menuItem->setShortcut(Qt::Key_F2);
    EXPECT_NE(FailureOf([&] { Shortcut(w.root, "menuItem"); }).find("only within its window"),
              std::string::npos);
    Unhide(w.root, "hidden");
    Click(w.root, "hidden");
}

#include "support/draw_lines.h"
#include "support/window_fixture.h"

TEST_F(WindowTest, FillsTheTablesByTheProgramsOwnLoad) {
    // The fixed clock says 2026/12/07: a line dated later is not loaded.
    const DrawFileRead read = loadDraws({MakeDrawLine("2026/12/01", "115001", {5, 1, 39, 12, 20}),
                                         MakeDrawLine("2026/12/08", "115002", {1, 2, 3, 4, 5})});
    EXPECT_FALSE(read.bad);
    ASSERT_EQ(tables.draws.DrawCount, 1);
    EXPECT_EQ(tables.draws.DrawNums[1][1], "01");
    EXPECT_EQ(tables.draws.DrawNumsDrawn[1][1], "05");

    // A reload asked through the links reads the file as it is now.
    dir.writeLines(QStringLiteral("TW539.txt"), {MakeDrawLine("2026/12/01", "115001", {5, 1, 39, 12, 20}),
                                                 MakeDrawLine("2026/12/03", "115002", {1, 2, 3, 4, 5})});
    WindowLinks& shell = links;
    EXPECT_TRUE(shell.reloadHistory());
    EXPECT_EQ(tables.draws.DrawCount, 2);
    shell.show_memo(QStringLiteral("help_1.txt"));
    shell.open(WindowId::Form_varnholt);
    EXPECT_EQ(links.reloads, 1);
    EXPECT_EQ(links.helpShown, QStringList{QStringLiteral("help_1.txt")});
    EXPECT_EQ(links.opened, std::vector{WindowId::Form_varnholt});
}
