#include "analysis/drag/excel_guide_pictures.h"

#include <QPainter>
#include <QPainterPath>

#include "platform/fonts.h"

namespace {

constexpr int Width = 520;
constexpr int Height = 340;
const QColor Frame(0x1F, 0x6E, 0x43);  // the spreadsheet program's green
const QColor Accent(0xE0, 0x40, 0x20); // what the user clicks in this step

// A window with a title bar; returns the area inside it.
QRect window(QPainter& p, const QRect& area, const QString& title) {
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(Qt::white);
    p.drawRect(area);
    const QRect bar(area.left(), area.top(), area.width(), 24);
    p.fillRect(bar, Frame);
    p.setPen(Qt::white);
    p.drawText(bar.adjusted(8, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, title);
    return area.adjusted(1, 25, -1, -1);
}

void mark(QPainter& p, const QRect& target) {
    p.setPen(QPen(Accent, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(target.adjusted(-4, -4, 4, 4), 6, 6);
}

void button(QPainter& p, const QRect& area, const QString& caption, bool marked = false) {
    p.setPen(Qt::darkGray);
    p.setBrush(QColor(0xEE, 0xEE, 0xEE));
    p.drawRect(area);
    p.setPen(Qt::black);
    p.drawText(area, Qt::AlignCenter, caption);
    if (marked)
        mark(p, area);
}

void sheet(QPainter& p, const QRect& area, bool filled) {
    const int rows = area.height() / 20;
    const int columns = area.width() / 60;
    p.setPen(QColor(0xD0, 0xD0, 0xD0));
    for (int r = 0; r <= rows; ++r)
        p.drawLine(area.left(), area.top() + r * 20, area.right(), area.top() + r * 20);
    for (int c = 0; c <= columns; ++c)
        p.drawLine(area.left() + c * 60, area.top(), area.left() + c * 60, area.bottom());
    if (!filled)
        return;
    p.setPen(Qt::black);
    static const char* const heading[] = {"日     期", " 期  數", "01", "02", "03", "04", "05"};
    for (int c = 0; c < columns && c < 7; ++c)
        p.drawText(QRect(area.left() + c * 60, area.top(), 60, 20), Qt::AlignCenter,
                   QString::fromUtf8(heading[c]));
    for (int r = 1; r < rows; ++r) {
        p.drawText(QRect(area.left(), area.top() + r * 20, 60, 20), Qt::AlignCenter,
                   QStringLiteral("2018/%1/0%2").arg(10 + r % 3).arg(1 + r % 9));
        p.drawText(QRect(area.left() + 60, area.top() + r * 20, 60, 20), Qt::AlignCenter,
                   QStringLiteral("1070%1").arg(10 + r));
        p.drawText(QRect(area.left() + (2 + (r * 3) % 5) * 60, area.top() + r * 20, 60, 20), Qt::AlignCenter,
                   QStringLiteral("●"));
    }
}

void wizard(QPainter& p, const QRect& inside, int step) {
    p.setPen(Qt::black);
    p.drawText(inside.adjusted(12, 8, -12, 0), Qt::AlignTop | Qt::AlignLeft,
               QStringLiteral("匯入字串精靈 - 步驟 %1 之 3").arg(step));
    const QRect next(inside.right() - 190, inside.bottom() - 36, 80, 26);
    const QRect finish(inside.right() - 96, inside.bottom() - 36, 80, 26);
    button(p, next, QStringLiteral("下一步"), step < 3);
    button(p, finish, QStringLiteral("完成"), step == 3);
}

} // namespace

QPixmap ExcelGuidePicture(int step) {
    QPixmap picture(Width, Height);
    picture.fill(QColor(0xF3, 0xF3, 0xF3));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(MingFont(10));
    const QRect area(10, 10, Width - 20, Height - 20);
    switch (step) {
    case 1: {
        const QRect inside = window(p, area, QStringLiteral("試算表程式 - 活頁簿1"));
        sheet(p, inside.adjusted(0, 30, 0, 0), false);
        mark(p, QRect(area.left(), area.top(), 200, 24));
        break;
    }
    case 2: {
        const QRect inside = window(p, area, QStringLiteral("試算表程式 - 活頁簿1"));
        sheet(p, inside.adjusted(0, 30, 0, 0), false);
        static const char* const menu[] = {"檔案", "編輯", "插入", "資料"};
        for (int i = 0; i < 4; ++i)
            p.drawText(QRect(inside.left() + 8 + i * 56, inside.top() + 4, 50, 20), Qt::AlignCenter,
                       QString::fromUtf8(menu[i]));
        const QRect drop(inside.left() + 176, inside.top() + 26, 170, 60);
        p.setBrush(Qt::white);
        p.setPen(Qt::darkGray);
        p.drawRect(drop);
        p.setPen(Qt::black);
        p.drawText(drop.adjusted(8, 4, 0, 0), Qt::AlignTop | Qt::AlignLeft, QStringLiteral("取得外部資料"));
        const QRect item(drop.left() + 8, drop.top() + 30, 150, 22);
        p.drawText(item, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("從文字檔匯入..."));
        mark(p, item);
        break;
    }
    case 3: {
        const QRect inside = window(p, area.adjusted(30, 20, -30, -20), QStringLiteral("匯入文字檔"));
        p.setPen(Qt::black);
        const QRect file(inside.left() + 16, inside.top() + 20, 260, 22);
        p.drawText(file, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("拖牌圖表.txt"));
        mark(p, file);
        button(p, QRect(inside.right() - 100, inside.bottom() - 40, 80, 26), QStringLiteral("開啟"), true);
        break;
    }
    case 4:
    case 5:
    case 6: {
        const QRect inside = window(p, area.adjusted(20, 10, -20, -10), QStringLiteral("匯入字串精靈"));
        const int wizardStep = step - 3;
        p.setPen(Qt::black);
        const QRect option(inside.left() + 20, inside.top() + 40, 300, 22);
        if (wizardStep == 1) {
            p.drawText(option, Qt::AlignVCenter | Qt::AlignLeft,
                       QStringLiteral("◉ 分隔符號(如逗點或 TAB 鍵)"));
        } else if (wizardStep == 2) {
            p.drawText(option, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("☑ 逗點"));
            mark(p, QRect(option.left(), option.top(), 70, 22));
        } else {
            p.drawText(option, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("欄位的資料格式: ◉ 文字"));
            const QRect columns(inside.left() + 20, inside.top() + 76, 120, 120);
            p.fillRect(columns, QColor(0x30, 0x30, 0x30));
            p.setPen(Qt::white);
            p.drawText(columns, Qt::AlignCenter, QStringLiteral("第一、二欄\n文字"));
            mark(p, columns);
        }
        wizard(p, inside, wizardStep);
        break;
    }
    default: {
        const QRect inside = window(p, area, QStringLiteral("試算表程式 - 拖牌圖表.txt"));
        sheet(p, inside.adjusted(0, 4, 0, 0), true);
        break;
    }
    }
    return picture;
}
