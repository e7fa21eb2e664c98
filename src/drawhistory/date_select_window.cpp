#include "drawhistory/date_select_window.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QToolButton>

#include "common/date.h"
#include "common/text_table.h"
#include "drawhistory/history_print.h"
#include "draws/draw_tables.h"
#include "platform/box_reaction.h"
#include "platform/clock.h"
#include "platform/date_picker.h"
#include "platform/error_handler.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "platform/report_form.h"
#include "platform/services.h"
#include "platform/string_grid.h"
#include "platform/widget_colours.h"
#include "platform/window_links.h"

namespace {} // namespace

TForm_dateselect::TForm_dateselect(const DrawTables& draws, const TextTable& records, Services& services,
                                   WindowLinks& links, QWidget* parent)
    : QDialog(parent), draws_(draws), records_(records), services_(services), links_(links) {
    setObjectName(QStringLiteral("Form_dateselect"));
    setWindowTitle(QStringLiteral("列印日期區間選擇"));
    resize(373, 120);
    SetBackground(*this, QColor(0xC0, 0x00, 0x00), Qt::white);

    auto* heading = new QLabel(QStringLiteral("列印區間"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    DateTimePicker1 = MakeDatePicker(QStringLiteral("DateTimePicker1"), this);
    DateTimePicker2 = MakeDatePicker(QStringLiteral("DateTimePicker2"), this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->setMaximumWidth(60);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("列印"));
    mm = new QPlainTextEdit(this);
    mm->setObjectName(QStringLiteral("mm"));
    mm->setVisible(false);

    Dialogs& dialogs = services_.dialogs;
    connect(DateTimePicker1, &QDateEdit::dateChanged, this,
            Guarded(dialogs, [this] { DateTimePicker1Change(); }));
    connect(DateTimePicker2, &QDateEdit::dateChanged, this,
            Guarded(dialogs, [this] { DateTimePicker1Change(); }));
    connect(SpeedButton1, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton1Click(); }));
    KeepEnterInBoxes(*this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(heading, 0, 0, 1, 4);
    layout->addWidget(new QLabel(QStringLiteral("自"), this), 1, 0);
    layout->addWidget(DateTimePicker1, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("到"), this), 1, 2);
    layout->addWidget(DateTimePicker2, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("期數"), this), 2, 0);
    layout->addWidget(Edit1, 2, 1, Qt::AlignLeft);
    layout->addWidget(SpeedButton1, 2, 3, Qt::AlignRight);
}

void TForm_dateselect::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

void TForm_dateselect::FormShow() {
    const Date today = services_.clock.today();
    const QSignalBlocker block1(DateTimePicker1);
    const QSignalBlocker block2(DateTimePicker2);
    DateTimePicker1->setDate(QDate(2002, 1, 22));
    DateTimePicker2->setDate(ToQDate(today));
    get_issue();
}

Date TForm_dateselect::fromDate() const {
    return FromQDate(DateTimePicker1->date());
}

Date TForm_dateselect::toDate() const {
    return FromQDate(DateTimePicker2->date());
}

void TForm_dateselect::DateTimePicker1Change() {
    get_issue();
}

void TForm_dateselect::get_issue() {
    Edit1->setText(QString::number(CountDrawsInRange(draws_, fromDate(), toDate())));
}

void TForm_dateselect::SpeedButton1Click() {
    mm->clear();
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
    SetMemoLines(*mm, lines);
    links_.show_memo_rpt(lines);
}
