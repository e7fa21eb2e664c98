#pragma once

class QChartView;
class QDialog;
class QLabel;
class QPushButton;
class QRadioButton;

// The controls of the chart export window: four small overviews (one of them is exported), the two
// halves of the ranking, the file names and the upload state.
struct ChartExportForm {
    QChartView* Chart1; // small overview for "A"
    QChartView* Chart4; // for "B (大樂)"
    QChartView* Chart5; // for "C(38)"
    QChartView* Chart6; // for "D (六合)"
    QChartView* Chart2; // first half of the ranking
    QChartView* Chart3; // second half
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QLabel* Label1; // file names
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;       // connection
    QLabel* Label5;       // upload
    QPushButton* Button1; // "FTP Connect"
    QPushButton* Button2; // "Save/Upload"

    void setupUi(QDialog& window);
};
