#include "analysis/statistics/chart_export_form.h"

#include <QChartView>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/bar_chart.h"
#include "platform/fonts.h"
#include "platform/form_controls.h"

namespace {

QChartView* Chart(const QString& name, QSize size, QWidget* parent) {
    QChartView* chart = NewBarChart(name, parent);
    chart->setFixedSize(size);
    return chart;
}

QRadioButton* Radio(const char* name, const QString& caption, QWidget* parent) {
    return Named(new QRadioButton(caption, parent), name);
}

} // namespace

void ChartExportForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("form_rk_stk_chart"));
    window.setWindowTitle(QStringLiteral("統計圖輸出"));
    window.setFont(MingFont(9));

    const QSize small(113, 57);
    const QSize large(721, 273);
    Chart1 = Chart(QStringLiteral("Chart1"), small, &window);
    Chart4 = Chart(QStringLiteral("Chart4"), small, &window);
    Chart5 = Chart(QStringLiteral("Chart5"), small, &window);
    Chart6 = Chart(QStringLiteral("Chart6"), small, &window);
    Chart2 = Chart(QStringLiteral("Chart2"), large, &window);
    Chart3 = Chart(QStringLiteral("Chart3"), large, &window);
    RadioButton1 = Radio("RadioButton1", QStringLiteral("A"), &window);
    RadioButton2 = Radio("RadioButton2", QStringLiteral("B (大樂)"), &window);
    RadioButton3 = Radio("RadioButton3", QStringLiteral("C(38)"), &window);
    RadioButton4 = Radio("RadioButton4", QStringLiteral("D (六合)"), &window);
    RadioButton1->setChecked(true);
    Label1 = NewLabel("Label1", QString(), &window);
    Label2 = NewLabel("Label2", QString(), &window);
    Label3 = NewLabel("Label3", QString(), &window);
    Label4 = NewLabel("Label4", QStringLiteral("等待連線"), &window);
    Label5 = NewLabel("Label5", QStringLiteral("等待"), &window);
    Button1 = NewButton("Button1", QStringLiteral("FTP Connect"), &window);
    Button2 = NewButton("Button2", QStringLiteral("Save/Upload"), &window);
    Button1->setAutoDefault(false); // the network is reached only by a click
    Button2->setAutoDefault(false);

    auto* smalls = new QGridLayout;
    const QList<QChartView*> charts = {Chart1, Chart4, Chart5, Chart6};
    const QList<QRadioButton*> radios = {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
    for (int i = 0; i < 4; ++i) {
        smalls->addWidget(charts[i], 0, i);
        smalls->addWidget(radios[i], 1, i, Qt::AlignHCenter);
    }
    auto* files = new QVBoxLayout;
    for (QLabel* label : {Label1, Label2, Label3}) {
        label->setMinimumWidth(110);
        files->addWidget(label);
    }
    auto* connection = new QVBoxLayout;
    connection->addWidget(Button1);
    connection->addWidget(Label4);
    connection->addWidget(Button2);
    connection->addWidget(Label5);
    auto* top = new QHBoxLayout;
    top->addLayout(smalls);
    top->addSpacing(16);
    top->addLayout(files);
    top->addStretch();
    top->addLayout(connection);
    auto* layout = new QVBoxLayout(&window);
    layout->addLayout(top);
    layout->addWidget(Chart2);
    layout->addWidget(Chart3);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
