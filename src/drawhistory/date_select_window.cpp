#include "drawhistory/date_select_window.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QToolButton>

#include "common/date.h"
#include "common/text_table.h"
#include "drawhistory/history_print.h"
#include "draws/draw_tables.h"
#include "draws/history_start.h"
#include "platform/box_reaction.h"
#include "platform/clock.h"
#include "platform/date_picker.h"
#include "platform/error_handler.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/window_links.h"

TForm_dateselect::TForm_dateselect(const DrawTables& draws, const TextTable& records, Services& services,
                                   WindowLinks& links, QWidget* parent)
    : QDialog(parent), draws_(draws), records_(records), services_(services), links_(links) {
    ui.setupUi(*this);
    Dialogs& dialogs = services_.dialogs;
    connect(ui.DateTimePicker1, &QDateEdit::dateChanged, this,
            Guarded(dialogs, [this] { DateTimePicker1Change(); }));
    connect(ui.DateTimePicker2, &QDateEdit::dateChanged, this,
            Guarded(dialogs, [this] { DateTimePicker1Change(); }));
    connect(ui.SpeedButton1, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton1Click(); }));
    KeepEnterInBoxes(*this);
}

void TForm_dateselect::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

void TForm_dateselect::FormShow() {
    const Date today = services_.clock.today();
    const QSignalBlocker block1(ui.DateTimePicker1);
    const QSignalBlocker block2(ui.DateTimePicker2);
    ui.DateTimePicker1->setDate(QDate(2002, 1, 22));
    ui.DateTimePicker2->setDate(ToQDate(today));
    get_issue();
}

Date TForm_dateselect::fromDate() const {
    return FromQDate(ui.DateTimePicker1->date());
}

Date TForm_dateselect::toDate() const {
    return FromQDate(ui.DateTimePicker2->date());
}

void TForm_dateselect::DateTimePicker1Change() {
    get_issue();
}

void TForm_dateselect::get_issue() {
    ui.Edit1->setText(QString::number(CountDrawsInRange(draws_, fromDate(), toDate())));
    ui.lb_history_start->setText(qs(HistoryStartNote(draws_, fromDate())));
}

void TForm_dateselect::SpeedButton1Click() {
    ui.mm->clear();
    links_.setReportFontSize(12);
    std::vector<RecordRow> rows;
    rows.reserve(static_cast<std::size_t>(records_.rowCount()));
    for (int row = 1; row < records_.rowCount(); ++row) {
        RecordRow cells;
        for (int c = 0; c < 7; ++c)
            cells[static_cast<std::size_t>(c)] = records_.cell(c, row);
        rows.push_back(std::move(cells));
    }
    const QStringList lines = qsList(DateRangePrintLines(rows, fromDate(), toDate()));
    SetMemoLines(*ui.mm, lines);
    links_.show_memo_rpt(lines);
}
