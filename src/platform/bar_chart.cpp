#include "platform/bar_chart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QPainter>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>
#include <gif_lib.h>
#include <unordered_map>
#include <vector>

#include "common/errors.h"
#include "common/text_file.h"
#include "platform/clipboard.h"

namespace {

// Bars of their own colour, none of them white, so each shows on the white chart.
const QList<QColor>& Palette() {
    static const QList<QColor> palette = {
        QColor(255, 0, 0),     QColor(0, 128, 0),   QColor(255, 255, 0), QColor(0, 0, 255),
        QColor(128, 128, 128), QColor(255, 0, 255), QColor(0, 128, 128), QColor(0, 0, 128),
        QColor(128, 0, 0),     QColor(0, 255, 0),   QColor(128, 128, 0), QColor(128, 0, 128),
        QColor(192, 192, 192), QColor(0, 255, 255), QColor(255, 128, 0), QColor(64, 64, 64),
    };
    return palette;
}

template <class T> T* firstOf(const QList<QAbstractAxis*>& axes) {
    for (QAbstractAxis* axis : axes)
        if (auto* found = qobject_cast<T*>(axis))
            return found;
    return nullptr;
}

// A category axis takes each label once; a repeated one gets zero-width spaces until it is new.
QStringList distinctLabels(const QStringList& labels) {
    QStringList out;
    for (QString label : labels) {
        while (out.contains(label))
            label += QChar(0x200B);
        out << label;
    }
    return out;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        return {};
    return bytes;
}

int appendGifBytes(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

// Each pixel's palette index, and the palette: the picture's own colours when there are few
// enough, else a median-cut palette of 256.
bool indexColours(const QImage& image, std::vector<GifByteType>& indices,
                  std::vector<GifColorType>& palette) {
    const int width = image.width();
    const int height = image.height();
    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    indices.resize(pixels);
    std::unordered_map<QRgb, GifByteType> known;
    bool fits = true;
    for (int y = 0; y < height && fits; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb rgb = line[x] & 0xFFFFFF;
            auto found = known.find(rgb);
            if (found == known.end()) {
                if (known.size() == 256) {
                    fits = false;
                    break;
                }
                found = known.emplace(rgb, static_cast<GifByteType>(known.size())).first;
                palette.push_back(GifColorType{static_cast<GifByteType>(qRed(rgb)),
                                               static_cast<GifByteType>(qGreen(rgb)),
                                               static_cast<GifByteType>(qBlue(rgb))});
            }
            indices[static_cast<std::size_t>(y) * width + x] = found->second;
        }
    }
    if (fits)
        return true;

    std::vector<GifByteType> red(pixels), green(pixels), blue(pixels);
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * width + x;
            red[i] = static_cast<GifByteType>(qRed(line[x]));
            green[i] = static_cast<GifByteType>(qGreen(line[x]));
            blue[i] = static_cast<GifByteType>(qBlue(line[x]));
        }
    }
    int colours = 256;
    palette.assign(256, GifColorType{0, 0, 0});
    if (GifQuantizeBuffer(static_cast<unsigned>(width), static_cast<unsigned>(height), &colours, red.data(),
                          green.data(), blue.data(), indices.data(), palette.data()) != GIF_OK)
        return false;
    palette.resize(static_cast<std::size_t>(std::clamp(colours, 1, 256)));
    return true;
}

constexpr const char* TallestBar = "tallestBar";
constexpr const char* FittedRange = "fittedRange";

// The value scale from 0 to over the tallest bar, with room over it for the bar's value label: the
// labels stay inside the plot, and one that has no room there is drawn over its own bar.
void FitValueScale(QChart& chart) {
    auto* scale = firstOf<QValueAxis>(chart.axes(Qt::Vertical));
    if (!scale)
        return;
    const double top = scale->property(TallestBar).toDouble();
    double range = top > 0 ? top * 1.1 : 1;
    for (QAbstractSeries* s : chart.series()) {
        auto* bars = qobject_cast<QAbstractBarSeries*>(s);
        if (!bars || !bars->isLabelsVisible() || bars->barSets().isEmpty() || top <= 0)
            continue;
        const double plot = chart.plotArea().height();
        const double label = QFontMetricsF(bars->barSets().front()->labelFont()).height() * 1.5;
        if (plot > 2 * label)
            range = std::max(range, top * plot / (plot - label));
    }
    // Rescaling lays the chart out again; a scale already fitted to this height stays.
    if (scale->property(FittedRange).toDouble() == range)
        return;
    scale->setProperty(FittedRange, range);
    // The tick count is set afresh each time, since rounding to nice numbers changes it and the
    // scale would otherwise depend on the charts shown before.
    scale->setTickCount(5);
    scale->setRange(0, range);
    scale->applyNiceNumbers();
}

} // namespace

QChartView* NewBarChart(const QString& objectName, QWidget* parent) {
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);
    chart->layout()->setContentsMargins(0, 0, 0, 0); // white to the edges, no grey frame
    chart->setAnimationOptions(QChart::NoAnimation);
    // The room a value label needs is known in pixels only once the chart is laid out; the scale is
    // fitted after that layout has ended, not in the middle of it.
    QObject::connect(
        chart, &QChart::plotAreaChanged, chart, [chart] { FitValueScale(*chart); }, Qt::QueuedConnection);
    auto* view = new QChartView(chart, parent);
    view->setObjectName(objectName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setRubberBand(QChartView::NoRubberBand);
    // A chart has nothing to type or move to; Tab passes it by.
    view->setFocusPolicy(Qt::NoFocus);
    return view;
}

void SetBars(BarChartData& data, const std::vector<ChartBar>& bars) {
    data.labels.clear();
    data.values.clear();
    for (const ChartBar& bar : bars) {
        data.labels << QString::fromStdString(bar.label);
        data.values << bar.value;
    }
}

void SetBarChart(QChartView& view, const BarChartData& data) {
    QChart& chart = *view.chart();
    // A new series each time: the chart keeps a record of every bar set a series has shown, even
    // after the set is gone, and drops it only with the series, so reused series grow at each call.
    for (QAbstractSeries* old : chart.series()) {
        chart.removeSeries(old);
        delete old;
    }
    // Stacked, so that a bar of its own colour (a set holding only that bar) keeps the full width.
    auto* series = new QStackedBarSeries;
    chart.addSeries(series);
    auto* categories = firstOf<QBarCategoryAxis>(chart.axes(Qt::Horizontal));
    if (!categories) {
        categories = new QBarCategoryAxis;
        chart.addAxis(categories, Qt::AlignBottom);
    }
    series->attachAxis(categories);
    auto* scale = firstOf<QValueAxis>(chart.axes(Qt::Vertical));
    if (!scale) {
        scale = new QValueAxis;
        scale->setLabelFormat(QStringLiteral("%g"));
        chart.addAxis(scale, Qt::AlignLeft);
    }
    series->attachAxis(scale);

    const qsizetype bars = std::min(data.labels.size(), data.values.size());
    const QList<QColor>& colours = data.colours.isEmpty() ? Palette() : data.colours;
    const bool oneColour = data.colours.size() == 1;
    // The sets are built whole and handed over in one call: appended one by one, each would lay out
    // and label the chart again (half a second for 39 bars of their own colours).
    series->setLabelsVisible(false);
    QList<QBarSet*> sets;
    const auto newSet = [](const QString& label, const QColor& colour) {
        auto* set = new QBarSet(label);
        set->setColor(colour);
        set->setBorderColor(Qt::black);
        set->setLabelColor(Qt::black);
        return set;
    };
    if (oneColour) {
        QBarSet* set = newSet(QString(), colours.front());
        for (qsizetype i = 0; i < bars; ++i)
            set->append(data.values[i]);
        sets.append(set);
    } else {
        for (qsizetype i = 0; i < bars; ++i) {
            QBarSet* set = newSet(data.labels[i], colours[i % colours.size()]);
            QList<qreal> values(bars, 0.0);
            values[i] = data.values[i];
            set->append(values);
            sets.append(set);
        }
    }
    series->append(sets);
    series->setLabelsVisible(data.valueLabels);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsFormat(QStringLiteral("@value"));
    series->setLabelsPrecision(12);

    categories->setCategories(distinctLabels(data.labels.mid(0, bars)));
    categories->setTitleText(data.footText);
    double top = 0;
    for (qsizetype i = 0; i < bars; ++i)
        top = std::max(top, data.values[i]);
    scale->setProperty(TallestBar, top);
    FitValueScale(chart);
    chart.setTitle(data.title);
}

QImage ChartImage(QWidget& chart) {
    // The chart lays itself out on the next turn of the event loop; a picture taken right after a
    // change must already show it.
    if (auto* view = qobject_cast<QChartView*>(&chart); view && view->chart()->layout())
        view->chart()->layout()->activate();
    QImage image(chart.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    chart.render(&painter);
    painter.end();
    return image;
}

void SaveChart(QWidget& chart, const QString& path, ChartImageFormat format) {
    const QImage image = ChartImage(chart);
    QByteArray bytes;
    switch (format) {
    case ChartImageFormat::Bmp:
        bytes = encoded(image, "BMP");
        break;
    case ChartImageFormat::Png:
        bytes = encoded(image, "PNG");
        break;
    case ChartImageFormat::Gif:
        bytes = EncodeGif(image);
        break;
    }
    const std::string target = QFile::encodeName(path).toStdString();
    if (bytes.isEmpty())
        throw FileError("無法儲存圖片 " + target);
    WriteFileBytes(target, bytes.toStdString());
}

void CopyChart(QWidget& chart, Clipboard& clipboard) {
    clipboard.setImage(ChartImage(chart));
}

QByteArray EncodeGif(const QImage& source) {
    if (source.isNull() || source.width() > 65535 || source.height() > 65535)
        return {};
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    std::vector<GifByteType> indices;
    std::vector<GifColorType> palette;
    if (!indexColours(image, indices, palette))
        return {};
    // A GIF palette has a power-of-two size, at least 2.
    std::size_t size = 2;
    while (size < palette.size())
        size *= 2;
    palette.resize(size, GifColorType{0, 0, 0});
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(size), palette.data());
    if (!map)
        return {};

    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, &appendGifBytes, &error);
    bool ok = gif != nullptr;
    if (ok) {
        EGifSetGifVersion(gif, true);
        ok = EGifPutScreenDesc(gif, image.width(), image.height(), map->BitsPerPixel, 0, map) == GIF_OK &&
             EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
        for (int y = 0; ok && y < image.height(); ++y)
            ok = EGifPutLine(gif, indices.data() + static_cast<std::size_t>(y) * image.width(),
                             image.width()) == GIF_OK;
        ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    }
    GifFreeMapObject(map);
    return ok ? bytes : QByteArray();
}
