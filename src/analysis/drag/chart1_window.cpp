#include "analysis/drag/chart1_window.h"

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QToolButton>

#include "analysis/drag/drag_chart_summary.h"
#include "draws/draw_tables.h"
#include "draws/history_start.h"
#include "platform/bar_chart.h"
#include "platform/box_reaction.h"
#include "platform/click_label.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/date_picker.h"
#include "platform/error_handler.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "platform/services.h"

namespace {

const QString ShowDetails = QStringLiteral("顯示拖牌明細");
const QString HideDetails = QStringLiteral("隱藏拖牌明細");

BarChartData Bars(const QString& title, const std::vector<ChartBar>& bars, QList<QColor> colours) {
    BarChartData data;
    data.title = title;
    data.valueLabels = true;
    data.colours = std::move(colours);
    SetBars(data, bars);
    return data;
}

void popupOn(QWidget* owner, QMenu* menu) {
    QObject::connect(owner, &QWidget::customContextMenuRequested, menu,
                     [owner, menu](const QPoint& at) { menu->popup(owner->mapToGlobal(at)); });
}

} // namespace

TForm_rk_chart1::TForm_rk_chart1(const DrawTables& draws, Services& services, QWidget* parent)
    : QDialog(parent), draws_(draws), services_(services) {
    ui.setupUi(*this);
    SaveDialog1.filter = QStringLiteral("BMP 檔案 (*.bmp)");
    SaveDialog1.defaultSuffix = QStringLiteral("bmp");
    connectControls();
}

void TForm_rk_chart1::connectControls() {
    Dialogs& dialogs = services_.dialogs;
    const auto summary = Guarded(dialogs, [this] { runSummary(); });
    std::vector<QCheckBox*> summaryBoxes = {ui.cb_star1, ui.cb_star2, ui.cb_star3, ui.cb_sort};
    for (int k = 1; k <= ChartDistances; ++k)
        summaryBoxes.push_back(ui.cb_next[k]);
    for (QCheckBox* box : summaryBoxes)
        connect(box, &QCheckBox::toggled, this, summary);
    connect(ui.DateTimePicker1, &QDateEdit::dateChanged, this, summary);
    connect(ui.DateTimePicker2, &QDateEdit::dateChanged, this, summary);
    connect(ui.cb_spno, &QCheckBox::toggled, this, Guarded(dialogs, [this] { cb_spnoClick(); }));
    connect(ui.cb_star234, &QCheckBox::toggled, this, Guarded(dialogs, [this] { cb_star234Click(); }));

    connect(ui.SpeedButton4, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton4Click(); }));
    connect(ui.SpeedButton3, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton3Click(); }));
    connect(ui.SpeedButton1, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton1Click(); }));
    connect(ui.SpeedButton2, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton2Click(); }));
    connect(ui.Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(ui.Label6, &ClickLabel::clicked, this, [this] { Label6Click(); });
    connect(ui.Label11, &ClickLabel::clicked, this, [this] { Label11Click(); });

    const std::vector<std::pair<QAction*, void (TForm_rk_chart1::*)()>> items = {
        {ui.N1, &TForm_rk_chart1::N1Click},
        {ui.COPY1, &TForm_rk_chart1::COPY1Click},
        {ui.MenuItem1, &TForm_rk_chart1::MenuItem1Click},
        {ui.COPY2, &TForm_rk_chart1::COPY2Click},
        {ui.N5, &TForm_rk_chart1::N5Click},
        {ui.N7, &TForm_rk_chart1::N7Click},
        {ui.MenuItem2, &TForm_rk_chart1::MenuItem2Click},
        {ui.COPY3, &TForm_rk_chart1::COPY3Click},
        {ui.N4, &TForm_rk_chart1::N4Click},
        {ui.N6, &TForm_rk_chart1::N6Click},
        {ui.SelectAll1, &TForm_rk_chart1::SelectAll1Click},
        {ui.COPY4, &TForm_rk_chart1::COPY4Click},
        {ui.SelectAll2, &TForm_rk_chart1::SelectAll2Click},
        {ui.MenuItem3, &TForm_rk_chart1::MenuItem3Click},
    };
    for (const auto& [item, handler] : items)
        connect(item, &QAction::triggered, this,
                Guarded(dialogs, [this, handler = handler] { (this->*handler)(); }));
    popupOn(ui.Chart1, ui.PopupMenu1);
    popupOn(ui.Chart3, ui.PopupMenu2);
    popupOn(ui.Chart2, ui.PopupMenu3);
    popupOn(ui.Memo1, ui.PopupMenu4);
    popupOn(ui.Memo2, ui.PopupMenu5);
    ui.Panel3->installEventFilter(this);
    KeepEnterInBoxes(*this);
}

void TForm_rk_chart1::setLogo(const QPixmap& logo) {
    ui.Image1->setPixmap(logo);
}

void TForm_rk_chart1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

void TForm_rk_chart1::hideEvent(QHideEvent* event) {
    // A floating query panel goes back with the window rather than stay on the desktop.
    if (!event->spontaneous())
        dockQueryPanel();
    QDialog::hideEvent(event);
}

// ---- summary ----

void TForm_rk_chart1::FormShow() {
    {
        const QSignalBlocker first(ui.DateTimePicker1);
        const QSignalBlocker last(ui.DateTimePicker2);
        ui.DateTimePicker1->setDate(QDate(2005, 1, 1));
        ui.DateTimePicker2->setDate(ToQDate(services_.clock.today()));
    }
    const LatestDrawLabels latest = LatestDrawLabelsOf(draws_);
    ui.Label10->setText(qs(latest.date));
    ui.Label7->setText(qs(latest.numbers));
    ResetArray();
    {
        const QSignalBlocker query(ui.cb_star234);
        ui.cb_star234->setChecked(false);
    }
    cb_star234Click();
    {
        const QSignalBlocker first(ui.cb_next[1]);
        ui.cb_next[1]->setChecked(true);
    }
    runSummary();
    ui.Panel4->setVisible(false);
    ui.Button1->setText(ShowDetails);
}

DragChartSettings TForm_rk_chart1::settings() const {
    DragChartSettings s;
    s.from = FromQDate(ui.DateTimePicker1->date());
    s.to = FromQDate(ui.DateTimePicker2->date());
    s.modes = {ui.cb_star1->isChecked(), ui.cb_star2->isChecked(), ui.cb_star3->isChecked()};
    for (int k = 1; k <= ChartDistances; ++k)
        s.distances[static_cast<std::size_t>(k - 1)] = ui.cb_next[k]->isChecked();
    s.sort = ui.cb_sort->isChecked();
    s.balls = chart_balls_;
    return s;
}

void TForm_rk_chart1::runSummary() {
    // In query mode the summary boxes only take effect at the next query.
    if (ui.cb_star234->isChecked())
        return;
    const DragChartSettings counted = settings();
    showRun(RunDragSummary(draws_, counted));
    showHistoryStart(counted);
}

void TForm_rk_chart1::showHistoryStart(const DragChartSettings& counted) {
    ui.lb_history_start->setText(qs(HistoryStartNote(draws_, counted.from)));
}

void TForm_rk_chart1::cb_spnoClick() {
    chart_balls_ = 5; // the special number is not part of this game: five balls either way
    runSummary();
}

void TForm_rk_chart1::ResetArray() {
    run_ = DragChartRun{};
    ::ResetArray(run_.counters, draws_.MaxNo);
    ::ResetArray(run_.shown, draws_.MaxNo);
    showRun(run_);
}

void TForm_rk_chart1::showRun(const DragChartRun& run) {
    run_ = run;
    SetMemoLines(*ui.Memo1, qsList(run.memo1));
    SetMemoLines(*ui.Memo2, qsList(run.memo2));
    if (run.titles)
        titles_ = *run.titles;
    if (run.drawsInRange)
        ui.Label5->setText(QString::number(*run.drawsInRange));
    SetBarChart(*ui.Chart1, Bars(qs(titles_.numbers), run.bars.numbers, {}));
    SetBarChart(*ui.Chart3, Bars(qs(titles_.tails), run.bars.tails, {QColor(0x00, 0x80, 0x00)}));
    SetBarChart(*ui.Chart2, Bars(qs(titles_.heads), run.bars.heads, {QColor(0xFF, 0x80, 0x00)}));
}

// ---- queries ----

void TForm_rk_chart1::cb_star234Click() {
    const SelfChange self(*this);
    const bool querying = ui.cb_star234->isChecked();
    for (QCheckBox* mode : {ui.cb_star1, ui.cb_star2, ui.cb_star3})
        mode->setEnabled(!querying);
    ui.Panel3->setVisible(querying);
    if (querying) {
        ui.Edit1->clear();
        ui.Edit1->setFocus();
    }
}

void TForm_rk_chart1::runQuery(const DragChartQuery& query) {
    const DragChartSettings counted = settings();
    showRun(RunDragChartQuery(draws_, counted, query));
    showHistoryStart(counted);
    for (const std::string& message : run_.messages)
        services_.dialogs.messageDialog(qs(message), DialogKind::Information, DialogButtons::Ok);
}

void TForm_rk_chart1::SpeedButton4Click() {
    DragChartQuery query;
    query.kind = DragChartQueryKind::Numbers;
    query.text = ss(ui.Edit1->text());
    runQuery(query);
}

void TForm_rk_chart1::SpeedButton3Click() {
    DragChartQuery query;
    query.kind = DragChartQueryKind::Tails;
    query.text = ss(ui.Edit1T->text());
    runQuery(query);
}

void TForm_rk_chart1::SpeedButton1Click() {
    DragChartQuery query;
    query.kind = DragChartQueryKind::PositionNumbers;
    for (int p = 1; p <= 7; ++p)
        query.boxes[static_cast<std::size_t>(p - 1)] = ss(ui.Editno[p]->text());
    query.drawnOrder = ui.RBL->isChecked();
    runQuery(query);
}

void TForm_rk_chart1::SpeedButton2Click() {
    DragChartQuery query;
    query.kind = DragChartQueryKind::PositionTails;
    for (int p = 1; p <= 7; ++p)
        query.boxes[static_cast<std::size_t>(p - 1)] = ss(ui.EditT[p]->text());
    query.drawnOrder = ui.RBLT->isChecked();
    runQuery(query);
}

// ---- details, charts and memos ----

void TForm_rk_chart1::Button1Click() {
    const bool show = ui.Button1->text() == ShowDetails;
    ui.Panel4->setVisible(show);
    ui.Button1->setText(show ? HideDetails : ShowDetails);
}

void TForm_rk_chart1::N5Click() {
    ui.Panel4->setVisible(true);
}
void TForm_rk_chart1::N4Click() {
    ui.Panel4->setVisible(true);
}
void TForm_rk_chart1::N7Click() {
    ui.Panel4->setVisible(false);
}
void TForm_rk_chart1::N6Click() {
    ui.Panel4->setVisible(false);
}

void TForm_rk_chart1::saveChart(QChartView& chart) {
    const QString file = services_.dialogs.saveFileName(SaveDialog1);
    if (!file.isEmpty())
        SaveChart(chart, file, ChartImageFormat::Bmp);
}

void TForm_rk_chart1::N1Click() {
    saveChart(*ui.Chart1);
}
void TForm_rk_chart1::MenuItem1Click() {
    saveChart(*ui.Chart3);
}
void TForm_rk_chart1::MenuItem2Click() {
    saveChart(*ui.Chart2);
}
void TForm_rk_chart1::COPY1Click() {
    CopyChart(*ui.Chart1, services_.clipboard);
}
void TForm_rk_chart1::COPY2Click() {
    CopyChart(*ui.Chart3, services_.clipboard);
}
void TForm_rk_chart1::COPY3Click() {
    CopyChart(*ui.Chart2, services_.clipboard);
}

// Copies what is selected, as a memo's copy command does: nothing selected leaves the clipboard.
void TForm_rk_chart1::copySelection(QPlainTextEdit& memo) {
    QString text = memo.textCursor().selectedText();
    if (text.isEmpty())
        return;
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    services_.clipboard.setText(text);
}

void TForm_rk_chart1::SelectAll1Click() {
    ui.Memo1->selectAll();
}
void TForm_rk_chart1::COPY4Click() {
    copySelection(*ui.Memo1);
}
void TForm_rk_chart1::SelectAll2Click() {
    ui.Memo2->selectAll();
}
void TForm_rk_chart1::MenuItem3Click() {
    copySelection(*ui.Memo2);
}

void TForm_rk_chart1::Label6Click() {
    services_.dialogs.showMessage(qs(DragChartHelpText()));
}

void TForm_rk_chart1::Label11Click() {
    services_.dialogs.showMessage(qs(DragQueryHelpText()));
}

// ---- the query panel, docked or floating ----

bool TForm_rk_chart1::queryPanelFloating() const {
    return ui.Panel3->isWindow();
}

void TForm_rk_chart1::floatQueryPanel(const QPoint& globalTopLeft) {
    if (!queryPanelFloating()) {
        ui.Panel2->layout()->removeWidget(ui.Panel3);
        ui.Panel3->setParent(this, Qt::Tool);
    }
    ui.Panel3->move(globalTopLeft);
    ui.Panel3->setVisible(ui.cb_star234->isChecked());
}

void TForm_rk_chart1::dockQueryPanel() {
    if (!queryPanelFloating())
        return;
    ui.Panel3->setParent(ui.Panel2, Qt::Widget);
    static_cast<QGridLayout*>(ui.Panel2->layout())->addWidget(ui.Panel3, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    ui.Panel3->setVisible(ui.cb_star234->isChecked());
    ui.Panel3->raise();
}

bool TForm_rk_chart1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui.Panel3 && queryPanelEvent(event))
        return true;
    return QDialog::eventFilter(watched, event);
}

// Dragging the panel by its background floats it; letting it go over the tails chart, closing it
// or a double click puts it back.
bool TForm_rk_chart1::queryPanelEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        dragStart_ = mouse->globalPosition().toPoint();
        dragOffset_ = dragStart_ - ui.Panel3->mapToGlobal(QPoint(0, 0));
        dragging_ = false;
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!(mouse->buttons() & Qt::LeftButton))
            return false;
        const QPoint at = mouse->globalPosition().toPoint();
        if (!dragging_ && (at - dragStart_).manhattanLength() >= QApplication::startDragDistance())
            dragging_ = true;
        if (dragging_)
            floatQueryPanel(at - dragOffset_);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->globalPosition().toPoint();
        if (dragging_ && queryPanelFloating() && ui.Chart3->rect().contains(ui.Chart3->mapFromGlobal(at)))
            dockQueryPanel();
        dragging_ = false;
        return true;
    }
    case QEvent::MouseButtonDblClick:
        if (queryPanelFloating())
            dockQueryPanel();
        else
            floatQueryPanel(ui.Panel3->mapToGlobal(QPoint(0, 0)) + QPoint(24, 24));
        return true;
    case QEvent::Close:
        if (queryPanelFloating()) {
            event->ignore();
            dockQueryPanel();
            return true;
        }
        return false;
    default:
        return false;
    }
}
