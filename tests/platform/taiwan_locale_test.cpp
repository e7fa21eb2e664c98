#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QDateTime>
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
#include <utility>

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

// The save dialog's size and date cells read in the program's Chinese too, not in the machine's
// locale: the file list's model formats them with the system locale unless told otherwise.
TEST(TaiwanLocale, SaveDialogSizesAndDatesReadInTraditionalChinese) {
    UseTaiwanChinese(*qApp);
    WorkDir dir;
    const QDateTime modified(QDate(2026, 12, 7), QTime(16, 43, 4));
    for (const auto& [name, size] : {std::pair{"small.txt", 419}, std::pair{"large.txt", 202097}}) {
        QFile file(dir.file(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(QByteArray(size, 'x')), size);
        file.flush();
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    }
    QStringList shown;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* list = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(list, nullptr);
        const QAbstractItemModel& model = *list->model();
        // The folder is read in the background: wait until both sizes are known.
        const auto cells = [&](const QString& name) {
            for (int row = 0; row < model.rowCount(list->rootIndex()); ++row)
                if (model.index(row, 0, list->rootIndex()).data().toString() == name)
                    return QStringList{model.index(row, 1, list->rootIndex()).data().toString(),
                                       model.index(row, 3, list->rootIndex()).data().toString()};
            return QStringList();
        };
        EXPECT_TRUE(QTest::qWaitFor([&] {
            const QStringList small = cells(QStringLiteral("small.txt"));
            const QStringList large = cells(QStringLiteral("large.txt"));
            return !small.isEmpty() && small[0].startsWith(QStringLiteral("419")) && !large.isEmpty() &&
                   large[0].startsWith(QStringLiteral("197"));
        }));
        shown = cells(QStringLiteral("small.txt")) + cells(QStringLiteral("large.txt"));
        dialog->reject();
    });
    QtDialogs dialogs;
    dialogs.saveFileName({QStringLiteral("存檔"), QStringLiteral("純文字檔案(*.txt)"), QStringLiteral("txt"),
                          dir.file(QStringLiteral("new.txt"))});
    EXPECT_EQ(shown, (QStringList{"419 位元組", "2026/12/7 下午4:43", "197.36 kB", "2026/12/7 下午4:43"}));
}
