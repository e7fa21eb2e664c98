#include "analysis/gap_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTextCursor>

#include "analysis/gap_report.h"
#include "common/num_format.h"
#include "draws/draw_tables.h"
#include "platform/box_reaction.h"
#include "platform/click_label.h"
#include "platform/dialogs.h"
#include "platform/error_handler.h"
#include "platform/memo_output.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/string_grid.h"

TForm_rk_no_interval::TForm_rk_no_interval(const DrawTables& draws, Services& services, QWidget* parent)
    : QDialog(parent), draws_(draws), services_(services) {
    ui.setupUi(*this);
    Dialogs& dialogs = services_.dialogs;
    connect(ui.Button1, &QPushButton::clicked, this, Guarded(dialogs, [this] { Button1Click(); }));
    connect(ui.Button3, &QPushButton::clicked, this, Guarded(dialogs, [this] { Button3Click(); }));
    connect(ui.Label4, &ClickLabel::clicked, this, Guarded(dialogs, [this] { Label4Click(); }));
    // A typed number is reported once confirmed, so that the "0" on the way to "07" is not taken as
    // a number of its own.
    ConnectBox(*ui.cb_no, BoxReacts::OnConfirm, dialogs, [this] { cb_noChange(); });
    KeepEnterInBoxes(*this);
}

void TForm_rk_no_interval::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

void TForm_rk_no_interval::setNumberText(const QString& text) {
    const QSignalBlocker block(ui.cb_no);
    ui.cb_no->setCurrentText(text);
}

void TForm_rk_no_interval::FormShow() {
    ui.Memo1->clear();
    {
        const QSignalBlocker block(ui.cb_no);
        ui.cb_no->clear();
        for (int n = 1; n <= draws_.MaxNo; ++n)
            ui.cb_no->addItem(qs(NumFormat("00", n)));
    }
    setNumberText(QStringLiteral("01"));
    ui.Label2->setText(QStringLiteral("---"));
    buildMap();
}

void TForm_rk_no_interval::Button1Click() {
    buildMap();
}

void TForm_rk_no_interval::buildMap() {
    map_ = BuildGapMap(draws_);
    ui.sgmap->setTable(GapMapTable(map_));
    ui.Label2->setText(qs(LongestGapText(map_)));
    show_no(QStringLiteral("01"));
}

void TForm_rk_no_interval::cb_noChange() {
    show_no(ui.cb_no->currentText());
}

void TForm_rk_no_interval::show_no(const QString& text) {
    const std::optional<int> number = GapReportNumber(ss(text), map_.maxNo);
    if (!number) {
        services_.dialogs.messageDialog(qs(GapNumberRefusal(map_.maxNo)), DialogKind::Warning,
                                        DialogButtons::Ok);
        return;
    }
    // With no draw loaded there is no report, and no newest draw to name.
    if (map_.drawCount == 0)
        return;
    const std::vector<std::string> lines =
        GapReportLines(map_, *number, ss(text), draws_.DrawId[map_.drawCount]);
    if (lines.empty())
        return;
    // Each line ends with a line end, so the empty line between reports stays.
    QTextCursor cursor(ui.Memo1->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(qsList(lines).join(QLatin1Char('\n')) + QLatin1Char('\n'));
    ui.Memo1->setTextCursor(cursor);
}

void TForm_rk_no_interval::Label4Click() {
    ui.Memo1->clear();
    for (int n = 1; n <= map_.maxNo; ++n) {
        const QString text = qs(NumFormat("00", n));
        setNumberText(text);
        show_no(text);
    }
}

void TForm_rk_no_interval::Button3Click() {
    ClearMemo(*ui.Memo1);
}
