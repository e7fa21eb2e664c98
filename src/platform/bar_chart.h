#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "common/chart_bar.h"

class Clipboard;
class QChartView;
class QWidget;

// What a bar chart shows, in plain values; the windows fill it and hand it over whole.
struct BarChartData {
    QString title;            // over the chart; empty hides it
    QString footText;         // under the bar labels; empty shows none
    QStringList labels;       // under each bar
    QList<double> values;     // one a bar, as many as labels
    QList<QColor> colours;    // one: every bar in it; one a bar: each its own; none: a fixed palette
    bool valueLabels = false; // each bar's value over it (a bar of 0 shows none)
};

// The labels and values of the core's bars.
void SetBars(BarChartData& data, const std::vector<ChartBar>& bars);

// A chart view ready for bars: no legend, no zooming, no animation, white, antialiased. The window
// may style its chart further (title font and colour); SetBarChart keeps that.
QChartView* NewBarChart(const QString& objectName, QWidget* parent);

// Shows `data` in the view's chart in place of what it showed: bars, labels, titles and the value
// scale. Labels that repeat are told apart invisibly, so every value keeps its own bar.
void SetBarChart(QChartView& view, const BarChartData& data);

enum class ChartImageFormat { Bmp, Png, Gif };

// What the widget shows, at its size, as a picture.
QImage ChartImage(QWidget& chart);

// Saves the widget's picture under `path`, whole or not at all; a FileError says why not.
void SaveChart(QWidget& chart, const QString& path, ChartImageFormat format);

// Puts the widget's picture on the clipboard.
void CopyChart(QWidget& chart, Clipboard& clipboard);

// The picture as a GIF89a file: its own colours when it has at most 256, otherwise 256 found by
// median cut. Empty when the picture is empty or too large for GIF.
QByteArray EncodeGif(const QImage& image);
