#include "platform/report_form.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

#include "common/date.h"
#include "platform/clock.h"
#include "platform/fonts.h"

namespace {

constexpr double MarginMm = 12.0;
constexpr double HeaderMm = 24.0;
constexpr double FooterMm = 10.0;

// Breaks every memo line into the text lines that fit the width.
QStringList wrapLines(const QStringList& lines, const QFont& font, QPaintDevice* device, qreal width) {
    QStringList out;
    for (const QString& line : lines) {
        if (line.isEmpty()) {
            out << QString();
            continue;
        }
        QTextLayout layout(line, font, device);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine textLine = layout.createLine(); textLine.isValid(); textLine = layout.createLine()) {
            textLine.setLineWidth(width);
            out << line.mid(textLine.textStart(), textLine.textLength());
        }
        layout.endLayout();
    }
    return out;
}

} // namespace

Trpt::Trpt(Clock& clock, QObject* parent) : QObject(parent), clock_(clock) {
    setObjectName(QStringLiteral("rpt"));
}

QString Trpt::footerText() {
    return QStringLiteral("Tobrin彩券網  ３９Qorvel王  今彩539分析軟體    本報表僅供參考,投注請自行斟酌");
}

int Trpt::print(QPrinter& printer) {
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                      QPageLayout::Millimeter));
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    const QRectF page = printer.pageLayout().fullRectPixels(printer.resolution());
    const double mm = printer.resolution() / 25.4;
    const QRectF body = page.adjusted(MarginMm * mm, MarginMm * mm, -MarginMm * mm, -MarginMm * mm);
    const QRectF header(body.left(), body.top(), body.width(), HeaderMm * mm);
    const QRectF footer(body.left(), body.bottom() - FooterMm * mm, body.width(), FooterMm * mm);
    const QRectF summary(body.left(), header.bottom() + 3 * mm, body.width(),
                         footer.top() - header.bottom() - 6 * mm);

    const QFont memoFont = KaiFont(qrFontSize);
    const QStringList wrapped = wrapLines(qr, memoFont, &printer, summary.width());
    const qreal lineHeight = QFontMetricsF(memoFont, &printer).lineSpacing();
    const int perPage = std::max(1, static_cast<int>(summary.height() / lineHeight));
    const int pages = std::max<int>(1, static_cast<int>((wrapped.size() + perPage - 1) / perPage));
    const QString printed =
        QStringLiteral("列印時間 ") + QString::fromStdString(DateFormat("yyyy/mm/dd hh:mm:ss", clock_.now()));

    for (int p = 1; p <= pages; ++p) {
        if (p > 1)
            printer.newPage();
        // Page header: logo, title, print time and page number, and a rule under it.
        const QRectF logo(header.left(), header.top(), 30 * mm, header.height() - 2 * mm);
        if (!QRImage2.isNull()) {
            const QSizeF scaled = QSizeF(QRImage2.size()).scaled(logo.size(), Qt::KeepAspectRatio);
            painter.drawImage(
                QRectF(logo.center() - QPointF(scaled.width() / 2, scaled.height() / 2), scaled), QRImage2);
        }
        painter.setFont(KaiFont(18));
        painter.drawText(header, Qt::AlignCenter, title());
        painter.setFont(KaiFont(10));
        const QRectF right(header.right() - 70 * mm, header.top(), 70 * mm, header.height() - 2 * mm);
        painter.drawText(right, Qt::AlignRight | Qt::AlignVCenter,
                         printed + QStringLiteral("\n頁次 ") + QString::number(p));
        painter.drawLine(header.bottomLeft(), header.bottomRight());

        // Summary band: this page's share of the memo.
        painter.setFont(memoFont);
        qreal y = summary.top();
        const int first = (p - 1) * perPage;
        for (int i = first; i < std::min<int>(first + perPage, static_cast<int>(wrapped.size())); ++i) {
            painter.drawText(QRectF(summary.left(), y, summary.width(), lineHeight),
                             Qt::AlignLeft | Qt::AlignTop, wrapped[i]);
            y += lineHeight;
        }

        // Page footer.
        painter.setFont(KaiFont(9));
        painter.drawLine(footer.topLeft(), footer.topRight());
        painter.drawText(footer, Qt::AlignCenter, footerText());
    }
    painter.end();
    return pages;
}

int Trpt::printToPdf(const QString& fileName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    return print(printer);
}
