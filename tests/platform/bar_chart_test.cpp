#include "platform/bar_chart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStackedBarSeries>
#include <QTemporaryDir>
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <memory>

#include "common/errors.h"
#include "support/fake_platform.h"
#include "support/heap_in_use.h"

namespace {

const QColor Marker(1, 200, 3); // a colour nothing else in a chart uses

BarChartData TailChart() {
    BarChartData data;
    data.title = QStringLiteral("拖牌尾數統計(2026/01/01-2026/02/01)");
    data.footText = QStringLiteral("今彩５３９號碼統計");
    for (int t = 0; t < 10; ++t) {
        data.labels << QStringLiteral("%1尾").arg(t);
        data.values << (t == 3 ? 0 : 2 * t + 1);
    }
    data.valueLabels = true;
    return data;
}

QStackedBarSeries& Series(QChartView& view) {
    return *qobject_cast<QStackedBarSeries*>(view.chart()->series().front());
}

QBarCategoryAxis& Categories(QChartView& view) {
    return *qobject_cast<QBarCategoryAxis*>(view.chart()->axes(Qt::Horizontal).front());
}

// The value each bar shows, whichever way its colours are arranged into sets.
QList<double> ShownValues(QChartView& view) {
    QList<double> values(Categories(view).count(), 0.0);
    for (QBarSet* set : Series(view).barSets())
        for (int i = 0; i < set->count(); ++i)
            values[i] += set->at(i);
    return values;
}

// Pixels of the colour, or within `tolerance` of it in each channel.
int PixelsOf(const QImage& image, const QColor& colour, int tolerance = 0) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - colour.red()) <= tolerance &&
                     std::abs(c.green() - colour.green()) <= tolerance &&
                     std::abs(c.blue() - colour.blue()) <= tolerance;
        }
    return count;
}

struct GifCloser {
    void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};

// Decodes a GIF file with giflib into a picture, empty when it is not a whole GIF.
QImage DecodeGif(const QString& path) {
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(
        DGifOpenFileName(QFile::encodeName(path).constData(), &error));
    if (!gif || DGifSlurp(gif.get()) != GIF_OK || gif->ImageCount != 1)
        return {};
    const SavedImage& frame = gif->SavedImages[0];
    const ColorMapObject* map = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
    if (!map || frame.ImageDesc.Width != gif->SWidth || frame.ImageDesc.Height != gif->SHeight)
        return {};
    QImage image(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
    for (int y = 0; y < gif->SHeight; ++y)
        for (int x = 0; x < gif->SWidth; ++x) {
            const int index = frame.RasterBits[y * gif->SWidth + x];
            if (index >= map->ColorCount)
                return {};
            const GifColorType c = map->Colors[index];
            image.setPixel(x, y, qRgb(c.Red, c.Green, c.Blue));
        }
    return image;
}

QByteArray FileStart(const QString& path, int bytes) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

} // namespace

TEST(BarChart, BarsFollowTheDataAndAnUpdateReplacesThemInPlace) {
    QWidget window;
    QChartView* view = NewBarChart(QStringLiteral("Chart3"), &window);
    QChart* chart = view->chart();

    // No colours: each bar its own; one colour: one set of bars.
    BarChartData data = TailChart();
    SetBarChart(*view, data);
    EXPECT_EQ(Categories(*view).categories(), data.labels);
    EXPECT_EQ(ShownValues(*view), data.values);
    ASSERT_EQ(Series(*view).count(), 10);
    EXPECT_NE(Series(*view).barSets()[0]->color(), Series(*view).barSets()[1]->color());
    data.colours = {Qt::red};
    data.values[0] = 42;
    SetBarChart(*view, data);
    EXPECT_EQ(view->chart(), chart);
    EXPECT_EQ(chart->series().size(), 1);
    ASSERT_EQ(Series(*view).count(), 1);
    EXPECT_EQ(ShownValues(*view), data.values);

    // Labels that repeat, as in a ranking: every value keeps its bar. Fewer bars than before.
    BarChartData sorted;
    sorted.labels = {QStringLiteral("07"), QStringLiteral("07"), QStringLiteral("12")};
    sorted.values = {9, 8, 8};
    sorted.colours = {Qt::red, Qt::green, Qt::blue};
    SetBarChart(*view, sorted);
    EXPECT_EQ(ShownValues(*view), sorted.values);
    EXPECT_EQ(chart->axes().size(), 2);
}

// A window redraws its charts at every showing, so a redraw may not leave memory behind.
TEST(BarChart, RedrawingHoldsNoMoreMemory) {
    if (!HeapMeasured)
        GTEST_SKIP() << "the heap is not measured under the sanitizer";
    QChartView* view = NewBarChart(QStringLiteral("Chart1"), nullptr);
    const std::unique_ptr<QChartView> owner(view);
    view->resize(600, 300);
    view->show();
    BarChartData numbers;
    for (int n = 1; n <= 39; ++n) {
        numbers.labels << QString::number(n);
        numbers.values << n % 7;
    }
    const auto redraw = [&](int times) {
        for (int i = 0; i < times; ++i) {
            SetBarChart(*view, i % 2 ? numbers : TailChart());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    };
    redraw(4);
    const std::size_t before = HeapInUse();
    redraw(30);
    const std::size_t after = HeapInUse();
    EXPECT_LT(after, before + 150 * 1024) << (after - before) / 1024 << " kB more";
}

TEST(BarChart, SavedAndCopiedPicturesShowTheChartAtItsSize) {
    QTemporaryDir dir;
    // Never shown, as when a window saves its charts before it is opened.
    std::unique_ptr<QChartView> view(NewBarChart(QStringLiteral("Chart2"), nullptr));
    view->resize(721, 273);
    BarChartData data = TailChart();
    data.colours = {Marker};
    SetBarChart(*view, data);

    const QImage picture = ChartImage(*view);
    ASSERT_EQ(picture.size(), QSize(721, 273));
    EXPECT_GT(PixelsOf(picture, Marker), 1000) << "the bars are drawn";

    for (const auto& [format, name, magic] :
         {std::tuple{ChartImageFormat::Bmp, "index1.bmp", QByteArray("BM")},
          std::tuple{ChartImageFormat::Png, "index1.png", QByteArray("\x89PNG")},
          std::tuple{ChartImageFormat::Gif, "index1A.gif", QByteArray("GIF89a")}}) {
        SCOPED_TRACE(name);
        const QString path = dir.filePath(QString::fromLatin1(name));
        SaveChart(*view, path, format);
        EXPECT_EQ(FileStart(path, magic.size()), magic);
        const QImage saved = format == ChartImageFormat::Gif ? DecodeGif(path) : QImage(path);
        ASSERT_EQ(saved.size(), picture.size());
        // BMP and PNG keep every pixel; the antialiased chart has too many colours for a GIF, whose
        // palette still keeps the bars close to their colour.
        if (format == ChartImageFormat::Gif)
            EXPECT_GE(PixelsOf(saved, Marker, 8), PixelsOf(picture, Marker));
        else
            EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), picture);
    }

    // An update shows in the next picture at once, without a turn of the event loop, and the
    // same data always draws the same picture, whatever was shown in between.
    BarChartData other = TailChart();
    other.values = {90, 80, 70, 60, 50, 40, 30, 20, 10, 1};
    SetBarChart(*view, other);
    EXPECT_EQ(PixelsOf(ChartImage(*view), Marker), 0);
    SetBarChart(*view, data);
    EXPECT_EQ(ChartImage(*view), picture);

    FakeClipboard clipboard;
    CopyChart(*view, clipboard);
    EXPECT_EQ(clipboard.picture.size(), QSize(721, 273));
    EXPECT_EQ(clipboard.picture, ChartImage(*view));

    // A file that cannot be written is reported and nothing is left behind.
    const QString blocked = dir.filePath(QStringLiteral("no_such_folder/index1B.gif"));
    EXPECT_THROW(SaveChart(*view, blocked, ChartImageFormat::Gif), FileError);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

TEST(BarChart, GifKeepsFewColoursExactlyAndComesCloseWithMany) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.gif"));

    // 200 colours in stripes: every pixel comes back exactly.
    QImage stripes(300, 7, QImage::Format_RGB32);
    for (int x = 0; x < 300; ++x)
        for (int y = 0; y < 7; ++y)
            stripes.setPixel(x, y, qRgb(x % 200, 255 - x % 200, (x % 200) * 7 % 256));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(EncodeGif(stripes));
    out.close();
    EXPECT_EQ(DecodeGif(path), stripes);

    // A smooth picture of 65536 colours: each pixel near its own colour.
    QImage smooth(256, 256, QImage::Format_RGB32);
    for (int x = 0; x < 256; ++x)
        for (int y = 0; y < 256; ++y)
            smooth.setPixel(x, y, qRgb(x, y, (x + y) / 2));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(EncodeGif(smooth));
    out.close();
    const QImage back = DecodeGif(path);
    ASSERT_EQ(back.size(), smooth.size());
    long long error = 0;
    for (int x = 0; x < 256; ++x)
        for (int y = 0; y < 256; ++y) {
            const QRgb a = smooth.pixel(x, y);
            const QRgb b = back.pixel(x, y);
            error +=
                std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    EXPECT_LT(error / (256.0 * 256.0 * 3.0), 8.0) << "mean error per channel";

    EXPECT_TRUE(EncodeGif(QImage()).isEmpty());
}
