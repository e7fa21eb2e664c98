#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QStringList>

#include "common/text_table.h"
#include "platform/text_table_model.h"

namespace {

// Collects what the model tester complains about; it reports through qt.modeltest warnings.
class ModelTesterComplaints {
public:
    ModelTesterComplaints() { previous_ = qInstallMessageHandler(&ModelTesterComplaints::record); }
    ~ModelTesterComplaints() { qInstallMessageHandler(previous_); }
    static QStringList& seen() {
        static QStringList messages;
        return messages;
    }

private:
    static void record(QtMsgType, const QMessageLogContext& context, const QString& message) {
        if (context.category && QLatin1String(context.category) == QLatin1String("qt.modeltest"))
            seen() << message;
    }
    QtMessageHandler previous_;
};

QString Shown(const TextTableModel& model, int row, int column) {
    return model.data(model.index(row, column)).toString();
}

QString Heading(const TextTableModel& model, int section, Qt::Orientation orientation) {
    const QVariant heading = model.headerData(section, orientation);
    EXPECT_EQ(heading.typeId(), QMetaType::QString) << "a heading without text must still be text";
    return heading.toString();
}

} // namespace

TEST(TextTableModel, FixedCellsAreHeadingsAndEveryChangeIsAnnounced) {
    ModelTesterComplaints complaints;
    ModelTesterComplaints::seen().clear();
    TextTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy headings(&model, &QAbstractItemModel::headerDataChanged);

    TextTable table(3, 3, 1, 1);
    table.setRow(0, {"corner", "H1", "H2"});
    table.setRow(1, {"R1", "a", "b"});
    table.setRow(2, {"R2", "c", "d"});
    model.setTable(table);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(Shown(model, 0, 0), QStringLiteral("a"));
    EXPECT_EQ(Shown(model, 1, 1), QStringLiteral("d"));
    EXPECT_EQ(Heading(model, 1, Qt::Horizontal), QStringLiteral("H2"));
    EXPECT_EQ(Heading(model, 1, Qt::Vertical), QStringLiteral("R2"));
    EXPECT_EQ(Heading(model, 2, Qt::Horizontal), QString()); // never the corner or a number
    EXPECT_EQ(Heading(model, -1, Qt::Vertical), QString());
    EXPECT_FALSE(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));

    // Single cells: data cells and headings each announce their own change; the corner and an
    // unchanged text announce nothing.
    model.setCell(2, 2, "D");
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes[0][0].toModelIndex(), model.index(1, 1));
    model.setCell(1, 0, "h1");
    model.setCell(0, 2, "r2");
    ASSERT_EQ(headings.count(), 2);
    EXPECT_EQ(headings[0], (QVariantList{QVariant::fromValue(Qt::Horizontal), 0, 0}));
    EXPECT_EQ(headings[1], (QVariantList{QVariant::fromValue(Qt::Vertical), 1, 1}));
    model.setCell(0, 0, "top left");
    model.setCell(2, 2, "D");
    model.setCell(5, 1, "outside");
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(headings.count(), 2);
    EXPECT_EQ(model.table().cell(0, 0), "top left");

    // A table of the same shape repaints without a reset; another shape resets.
    table.setCell(1, 1, "A");
    model.setTable(table);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(Shown(model, 0, 0), QStringLiteral("A"));
    EXPECT_EQ(Heading(model, 0, Qt::Horizontal), QStringLiteral("H1"));
    table.setFixed(1, 2);
    model.setTable(table);
    EXPECT_EQ(resets.count(), 2);
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(Heading(model, 0, Qt::Horizontal), QStringLiteral("H1\nA")); // fixed rows stack
    EXPECT_EQ(Heading(model, 0, Qt::Vertical), QStringLiteral("R2"));
    EXPECT_EQ(Shown(model, 0, 1), QStringLiteral("d"));

    EXPECT_TRUE(ModelTesterComplaints::seen().isEmpty())
        << ModelTesterComplaints::seen().join(u'\n').toStdString();
}

TEST(TextTableModel, ResizingInsertsAndRemovesRowsAndColumns) {
    ModelTesterComplaints complaints;
    ModelTesterComplaints::seen().clear();
    TextTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    model.setTable(TextTable(0, 0, 1, 1));
    QSignalSpy rowsInserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy rowsRemoved(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy columnsInserted(&model, &QAbstractItemModel::columnsInserted);
    QSignalSpy headings(&model, &QAbstractItemModel::headerDataChanged);

    model.resize(1, 1); // only the fixed cells: nothing to show yet
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 0);
    EXPECT_EQ(rowsInserted.count() + columnsInserted.count(), 0);

    model.resize(4, 5);
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.columnCount(), 3);
    ASSERT_EQ(columnsInserted.count(), 1);
    EXPECT_EQ(columnsInserted[0][1].toInt(), 0);
    EXPECT_EQ(columnsInserted[0][2].toInt(), 2);
    ASSERT_EQ(rowsInserted.count(), 1);
    EXPECT_EQ(rowsInserted[0][2].toInt(), 3);

    model.setCell(3, 4, "kept");
    model.setCell(3, 0, "heading");
    model.resize(4, 3);
    ASSERT_EQ(rowsRemoved.count(), 1);
    EXPECT_EQ(rowsRemoved[0][1].toInt(), 2);
    EXPECT_EQ(rowsRemoved[0][2].toInt(), 3);
    model.resize(4, 5);
    EXPECT_EQ(Shown(model, 3, 2), QString()); // a removed row comes back empty
    EXPECT_EQ(Heading(model, 2, Qt::Horizontal), QStringLiteral("heading"));

    // Cutting into the fixed row takes the headings with it.
    headings.clear();
    model.resize(4, 0);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(headings.count(), 1);
    EXPECT_EQ(Heading(model, 2, Qt::Horizontal), QString());

    EXPECT_TRUE(ModelTesterComplaints::seen().isEmpty())
        << ModelTesterComplaints::seen().join(u'\n').toStdString();
}
