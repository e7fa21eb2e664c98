#include "platform/box_reaction.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "common/date.h"
#include "platform/form_controls.h"
#include "platform/qt_text.h"
#include "support/fake_platform.h"
#include "support/ui_driver.h"

namespace {

// A dialog whose default button would close it, with one box for each way of reacting.
struct BoxWindow {
    BoxWindow() {
        auto* layout = new QVBoxLayout(&root);
        for (QWidget* w : std::initializer_list<QWidget*>{change, pick, confirm, typed, plain, date, close})
            layout->addWidget(w);
        close->setDefault(true);
        QObject::connect(close, &QPushButton::clicked, &root, &QDialog::close);
        ConnectBox(*change, BoxReacts::OnChange, dialogs,
                   [this] { runs << "change " + change->currentText(); });
        ConnectBox(*pick, BoxReacts::OnPick, dialogs, [this] { runs << "pick " + pick->currentText(); });
        ConnectBox(*confirm, BoxReacts::OnConfirm, dialogs,
                   [this] { runs << "confirm " + confirm->currentText(); });
        ConnectBox(*typed, BoxReacts::OnConfirm, dialogs, [this] { runs << "typed " + typed->text(); });
        ConnectBox(*typed, BoxReacts::OnEntering, dialogs, [this] { runs << "entered"; });
        KeepEnterInBoxes(root);
        root.show();
    }
    QDialog root;
    QComboBox* change = NewEditableCombo("change", NumberItems(1, 12), QString(), &root);
    QComboBox* pick = NewEditableCombo("pick", NumberItems(1, 12), QString(), &root);
    QComboBox* confirm = NewEditableCombo("confirm", NumberItems(1, 12), QString(), &root);
    QLineEdit* typed = NewEdit("typed", QString(), &root);
    QLineEdit* plain = NewEdit("plain", QString(), &root);
    QDateEdit* date = Named(new QDateEdit(&root), "date");
    QPushButton* close = NewButton("close", QStringLiteral("Close"), &root);
    FakeDialogs dialogs;
    QStringList runs;
};

} // namespace

TEST(BoxReaction, EnterStaysInTheBoxAndPressesNoDefaultButton) {
    BoxWindow w;
    for (const char* box : {"change", "pick", "confirm", "typed", "plain", "date"}) {
        Confirm(w.root, box);
        EXPECT_TRUE(w.root.isVisible()) << box;
    }
    // The handler runs guarded: a text that does not convert is shown, and the window stays.
    ConnectBox(*w.plain, BoxReacts::OnConfirm, w.dialogs, [&] { StrToInt(ss(w.plain->text())); });
    Type(w.root, "plain", "abc");
    Confirm(w.root, "plain");
    EXPECT_EQ(w.dialogs.lastText(), QStringLiteral("「abc」不是有效的整數"));
    EXPECT_TRUE(w.root.isVisible());
}

TEST(BoxReaction, EachTextIsAnsweredOnceHoweverItArrives) {
    BoxWindow w;
    // Every change: each key, a paste, a pick; confirming or leaving adds nothing.
    Type(w.root, "change", "12");
    Confirm(w.root, "change");
    Leave(w.root, "change");
    Paste(w.root, "change", "7");
    Confirm(w.root, "change");
    Pick(w.root, "change", "3");
    Type(w.root, "change", "20");
    w.change->setCurrentText(QStringLiteral("4")); // the window's own text is no change,
    Leave(w.root, "change");                       // not even as the box matches it to an item
    EXPECT_EQ(w.runs,
              (QStringList{"change 1", "change 12", "change 7", "change 3", "change 2", "change 20"}));

    // A pick only: typing waits, even when it matches an item.
    w.runs.clear();
    Type(w.root, "pick", "5");
    Confirm(w.root, "pick");
    Pick(w.root, "pick", "9");
    EXPECT_EQ(w.runs, QStringList{"pick 9"});

    // Confirmed: a pick at once, typed text on Enter or on leaving after an edit, once.
    w.runs.clear();
    Pick(w.root, "confirm", "2");
    Type(w.root, "confirm", "11");
    Confirm(w.root, "confirm");
    Confirm(w.root, "confirm");
    Leave(w.root, "confirm");
    Paste(w.root, "confirm", "abc");
    Leave(w.root, "confirm");
    // Leaving goes into the next box, "typed", which reacts to being entered.
    EXPECT_EQ(w.runs, (QStringList{"confirm 2", "confirm 11", "entered", "confirm abc", "entered"}));

    w.runs.clear();
    Type(w.root, "typed", "8");
    Leave(w.root, "typed");
    EXPECT_EQ(w.runs, QStringList{"typed 8"});
}

// Typing opens no list over the window: the next click goes where the user clicks, in every
// editable combo box of the program, and the text stays as typed.
TEST(BoxReaction, AClickRightAfterTypingReachesTheControlClicked) {
    BoxWindow w;
    QApplication::setActiveWindow(&w.root);
    Type(w.root, "confirm", "1");
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    MouseClick(w.root, "typed");
    EXPECT_TRUE(Focused(w.root, "typed"));
    EXPECT_EQ(Text(w.root, "confirm"), QStringLiteral("1"));
    EXPECT_EQ(w.runs, (QStringList{"confirm 1", "entered"}));
    EXPECT_EQ(Items(w.root, "confirm"), NumberItems(1, 12));
}

TEST(BoxReaction, WhatTheWindowDoesToItsBoxesSetsNothingOff) {
    BoxWindow w;
    QApplication::setActiveWindow(&w.root);
    // A run disables the box that holds typed text: nothing is confirmed, nothing reacts while
    // the box is disabled, and the text waits for the user to leave the box.
    Type(w.root, "confirm", "7");
    Type(w.root, "change", "5");
    w.runs.clear();
    Type(w.root, "typed", "12");
    w.typed->setEnabled(false);
    w.change->setEnabled(false);
    w.change->setCurrentText(QStringLiteral("6"));
    emit w.change->lineEdit()->textEdited(QStringLiteral("6"));
    EXPECT_TRUE(w.runs.isEmpty()) << w.runs.join(u',').toStdString();
    w.typed->setEnabled(true);
    w.change->setEnabled(true);
    Leave(w.root, "typed");
    EXPECT_EQ(w.runs, QStringList{"typed 12"});

    // The window moving the focus itself, with the reason Tab gives, leaves and enters nothing; the
    // typed text waits for the user to leave the box.
    Type(w.root, "confirm", "9");
    w.runs.clear();
    {
        const SelfChange self(*w.typed);
        w.typed->setFocus(Qt::TabFocusReason);
    }
    EXPECT_TRUE(w.runs.isEmpty()) << w.runs.join(u',').toStdString();
    w.confirm->setFocus(Qt::TabFocusReason);
    Leave(w.root, "confirm");
    EXPECT_EQ(w.runs, (QStringList{"confirm 9", "entered"}));

    // The window closed with text typed and not confirmed: shown again, leaving the box is no
    // confirmation of text the user gave up.
    Type(w.root, "typed", "34");
    w.root.hide();
    w.root.show();
    QApplication::setActiveWindow(&w.root);
    w.runs.clear();
    Leave(w.root, "typed");
    EXPECT_TRUE(w.runs.isEmpty()) << w.runs.join(u',').toStdString();
}
