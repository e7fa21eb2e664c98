#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

#include "platform/date_picker.h"
#include "platform/dialogs.h"
#include "platform/qt_platform.h"
#include "platform/translations.h"
#include "support/work_dir.h"

// Whatever the machine's locale (the tests run under C), Qt's calendars and file dialogs read as on a
// Taiwanese desktop, and the save dialog shows its columns whole.
TEST(TaiwanLocale, CalendarAndSaveDialogReadInTraditionalChinese) {
    UseTaiwanChinese(*qApp);
    EXPECT_EQ(QLocale().name(), QStringLiteral("zh_TW"));

    QDateEdit* picker = MakeDatePicker(QStringLiteral("DateTimePicker1"), nullptr);
    picker->setDate(QDate(2026, 12, 7));
    QCalendarWidget* calendar = picker->calendarWidget();
    EXPECT_EQ(calendar->locale().standaloneMonthName(12), QStringLiteral("12月"));
    EXPECT_EQ(calendar->locale().dayName(1, QLocale::ShortFormat), QStringLiteral("週一"));
    delete picker;

    // Qt's file dialog remembers its column widths; start from none, and leave the user's alone.
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                  QStringLiteral("/QtProject.conf"));
    WorkDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("data")));
    for (const char* name : {"TW539.txt", "CMakeLists.txt"}) {
        QFile file(dir.file(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* list = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(list, nullptr);
        EXPECT_TRUE(QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) >= 3; }));
        QApplication::processEvents();
        QHeaderView* header = list->header();
        EXPECT_EQ(list->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("修改日期"));
        EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
        EXPECT_LE(header->length(), list->viewport()->width());
        const QAbstractItemView& rows = *list;
        for (int c = 1; c < header->count(); ++c) // no text cut short
            EXPECT_GE(header->sectionSize(c), rows.sizeHintForColumn(c)) << c;
        checked = true;
        dialog->reject();
    });
    QtDialogs dialogs;
    EXPECT_TRUE(dialogs
                    .saveFileName({QStringLiteral("存檔"), QStringLiteral("純文字檔案(*.txt)"),
                                   QStringLiteral("txt"), QString()})
                    .isEmpty());
    EXPECT_TRUE(checked);
}
