#include "analysis/statistics/chart_export_window.h"

#include <QAbstractAxis>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <chrono>

#include "draws/draw_tables.h"
#include "platform/bar_chart.h"
#include "platform/dialogs.h"
#include "platform/error_handler.h"
#include "platform/fonts.h"
#include "platform/net.h"
#include "platform/qt_text.h"
#include "platform/services.h"

namespace {

// Each login or upload gives up after this long.
constexpr std::chrono::seconds NetTimeout(20);

const QColor SmallYellow(0xFF, 0xFF, 0x4D);

BarChartData Bars(const std::vector<ChartBar>& bars, const QString& title, const QString& footText,
                  QList<QColor> colours) {
    BarChartData data;
    data.title = title;
    data.footText = footText;
    data.colours = std::move(colours);
    SetBars(data, bars);
    return data;
}

// An overview a little larger than an icon: the numbers under the bars in a small type, no scale.
void FitSmallChart(QChartView& view) {
    QChart& chart = *view.chart();
    chart.setMargins(QMargins(1, 1, 1, 1));
    QFont small = MingFont();
    small.setPixelSize(8);
    for (QAbstractAxis* axis : chart.axes()) {
        axis->setLabelsFont(small);
        axis->setTitleFont(small);
        axis->setGridLineVisible(false);
        axis->setTruncateLabels(false);
        if (axis->orientation() == Qt::Vertical)
            axis->setLabelsVisible(false);
    }
}

} // namespace

// What one run on the network found: the login, then the uploads in order until one fails.
struct Tform_rk_stk_chart::NetRun {
    bool loginTried = false;
    bool connected = false;
    bool uploaded = false;
    std::string failedFile;
    std::string error;
};

Tform_rk_stk_chart::Tform_rk_stk_chart(const DrawTables& draws, Services& services, std::string uploadUrl,
                                       QWidget* parent)
    : QDialog(parent), draws_(draws), services_(services), uploadUrl_(std::move(uploadUrl)) {
    ui.setupUi(*this);
    connect(ui.Button1, &QPushButton::clicked, this, Guarded(services_.dialogs, [this] { Button1Click(); }));
    connect(ui.Button2, &QPushButton::clicked, this, Guarded(services_.dialogs, [this] { Button2Click(); }));
}

Tform_rk_stk_chart::~Tform_rk_stk_chart() = default;

bool Tform_rk_stk_chart::busy() const {
    return network_.running();
}

void Tform_rk_stk_chart::fill(const NumberRanking& ranking, StatisticsView view) {
    if (const std::optional<ChartExportTexts> texts = ChartTexts(draws_, view)) {
        smallFootText_ = qs(texts->smallFootText);
        bigTitle1_ = qs(texts->firstTitle);
        bigTitle2_ = qs(texts->secondTitle);
        file1 = qs(texts->file1);
        file2 = qs(texts->file2);
        file3 = qs(texts->file3);
    }
    (draws_.GameIndex == 1 ? ui.RadioButton2 : ui.RadioButton4)->setChecked(true);

    const ChartBars bars = ChartBarsOf(ranking);
    SetBarChart(*ui.Chart1, Bars(bars.small, QString(), smallFootText_, {}));
    SetBarChart(*ui.Chart4, Bars(bars.small, QString(), QString(), {SmallYellow}));
    SetBarChart(*ui.Chart5, Bars(bars.small, QString(), QString(), {QColor(Qt::green)}));
    SetBarChart(*ui.Chart6, Bars(bars.small, QString(), QString(), {QColor(Qt::red)}));
    for (QChartView* small : {ui.Chart1, ui.Chart4, ui.Chart5, ui.Chart6})
        FitSmallChart(*small);
    SetBarChart(*ui.Chart2, Bars(bars.firstHalf, bigTitle1_, QString(), {}));
    SetBarChart(*ui.Chart3, Bars(bars.secondHalf, bigTitle2_, QString(), {}));

    ui.Label1->setText(file1);
    ui.Label2->setText(file2);
    ui.Label3->setText(file3);
    ui.Button1->setEnabled(!connected_ && !busy());
}

void Tform_rk_stk_chart::showConnection(bool connected) {
    connected_ = connected;
    ui.Label4->setText(connected ? QStringLiteral("已連線") : QStringLiteral("連線失敗"));
    ui.Button1->setEnabled(!connected);
}

void Tform_rk_stk_chart::Button1Click() {
    if (busy())
        return;
    ui.Button1->setEnabled(false);
    const std::string url = uploadUrl_;
    network_.run<NetRun>(
        [url](const std::atomic<bool>& stop) {
            NetRun run;
            run.loginTried = true;
            const FtpResult login = FtpLogin(url, NetTimeout, &stop);
            run.connected = login.ok;
            run.error = login.error;
            return run;
        },
        [this](std::optional<NetRun> run) {
            showConnection(run && run->connected);
            emit connectFinished();
        });
}

QChartView& Tform_rk_stk_chart::chosenSmallChart() const {
    if (ui.RadioButton1->isChecked())
        return *ui.Chart1;
    if (ui.RadioButton2->isChecked())
        return *ui.Chart4;
    return ui.RadioButton3->isChecked() ? *ui.Chart5 : *ui.Chart6;
}

void Tform_rk_stk_chart::Button2Click() {
    if (busy())
        return;
    ui.Button2->setEnabled(false);
    // The files are saved whether or not the upload goes through; a file that cannot be written
    // ends the step with its message and the button comes back.
    try {
        SaveChart(chosenSmallChart(), file1, ChartImageFormat::Gif);
        SaveChart(*ui.Chart2, file2, ChartImageFormat::Gif);
        SaveChart(*ui.Chart3, file3, ChartImageFormat::Gif);
    } catch (...) {
        ui.Button2->setEnabled(true);
        emit uploadFinished();
        throw;
    }

    ui.Button1->setEnabled(false);
    const std::string url = uploadUrl_;
    const bool wasConnected = connected_;
    const std::vector<std::string> files = {ss(file1), ss(file2), ss(file3)};
    network_.run<NetRun>(
        [url, wasConnected, files](const std::atomic<bool>& stop) {
            NetRun run;
            run.connected = wasConnected;
            if (!run.connected) {
                run.loginTried = true;
                run.connected = FtpLogin(url, NetTimeout, &stop).ok;
            }
            if (!run.connected)
                return run;
            for (const std::string& file : files) {
                const FtpResult stored = FtpUploadFile(url, file, NetTimeout, &stop);
                if (!stored.ok) {
                    run.failedFile = file;
                    run.error = stored.error;
                    return run;
                }
            }
            run.uploaded = true;
            return run;
        },
        [this](std::optional<NetRun> outcome) {
            const NetRun run = outcome.value_or(NetRun{});
            if (run.loginTried)
                showConnection(run.connected);
            else
                ui.Button1->setEnabled(!connected_);
            Dialogs& dialogs = services_.dialogs;
            if (!run.connected) {
                dialogs.showMessage(QStringLiteral("連線失敗"));
            } else if (run.uploaded) {
                dialogs.showMessage(QStringLiteral("upload 成功"));
                ui.Label5->setText(QStringLiteral("上傳完畢"));
            } else {
                dialogs.showMessage(QStringLiteral("upload error\n") + qs(run.failedFile) +
                                    QStringLiteral(": ") + qs(run.error));
                ui.Label5->setText(QStringLiteral("上傳錯誤"));
            }
            ui.Button2->setEnabled(true);
            emit uploadFinished();
        });
}
