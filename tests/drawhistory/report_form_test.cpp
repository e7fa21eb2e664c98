#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include "app/application.h"
#include "app/main_window.h"
#include "platform/report_form.h"
#include "support/fake_platform.h"
#include "support/work_dir.h"

namespace {

QString pdfPageText(const QString& pdf, int page) {
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                            QString::number(page), pdf, QStringLiteral("-")});
    run.waitForFinished(30000);
    return QString::fromUtf8(run.readAllStandardOutput());
}

} // namespace

TEST(ReportForm, LongMemoRunsOverPagesEachWithHeaderAndFooter) {
    WorkDir dir;
    FakePlatform platform;
    Application app(platform.services());
    platform.reportPreview.pdfFile = dir.file(QStringLiteral("report.pdf"));

    QStringList lines;
    for (int i = 1; i <= 200; ++i)
        lines << QStringLiteral("第 %1 行  2026/01/02  01  02  03  04  05").arg(i);
    app.windows().get<TForm_rk_main>()->show_memo_rpt(lines);

    EXPECT_EQ(platform.reportPreview.previews, 1);
    EXPECT_EQ(platform.reportPreview.lastLines, lines);
    EXPECT_EQ(platform.reportPreview.lastFontSize, 10);
    const int pages = platform.reportPreview.lastPages;
    ASSERT_GE(pages, 3);
    for (int page = 1; page <= pages; ++page) {
        const QString text = pdfPageText(platform.reportPreview.pdfFile, page);
        if (text.isEmpty())
            GTEST_SKIP() << "pdftotext not available";
        EXPECT_TRUE(text.contains(QStringLiteral("Tobrin彩券網"))) << page;
        EXPECT_TRUE(text.contains(QStringLiteral("列印時間 2026/12/07 10:20:30"))) << page;
        EXPECT_TRUE(text.contains(QStringLiteral("頁次 %1").arg(page))) << page;
        EXPECT_TRUE(text.contains(QStringLiteral("僅供參考"))) << page;
    }
    EXPECT_TRUE(pdfPageText(platform.reportPreview.pdfFile, 1).contains(QStringLiteral("第 1 行")));
    EXPECT_TRUE(pdfPageText(platform.reportPreview.pdfFile, pages).contains(QStringLiteral("第 200 行")));
}

TEST(ReportForm, EmptyMemoStillPrintsAPageAndLongLinesWrap) {
    WorkDir dir;
    FixedClock clock;
    Trpt report(clock);
    EXPECT_EQ(report.printToPdf(dir.file(QStringLiteral("empty.pdf"))), 1);

    report.qr = QStringList(60, QString(400, QLatin1Char('8')));
    const int wrapped = report.printToPdf(dir.file(QStringLiteral("wrapped.pdf")));
    report.qr = QStringList(60, QStringLiteral("8"));
    EXPECT_GT(wrapped, report.printToPdf(dir.file(QStringLiteral("short.pdf"))));
}
