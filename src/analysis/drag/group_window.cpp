#include "analysis/drag/group_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QSignalBlocker>

#include "analysis/drag/group_ranking.h"
#include "draws/drag_handover.h"
#include "draws/draw_tables.h"
#include "platform/box_reaction.h"
#include "platform/error_handler.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/string_grid.h"

GroupWindow::GroupWindow(const DrawTables& draws, const DragHandOver& drag, Services& services, int size,
                         const QString& objectName, const QString& caption, const QString& groupLabel,
                         const QString& hitText, QWidget* parent)
    : QDialog(parent), draws_(draws), drag_(drag), services_(services), size_(size), hitText_(hitText) {
    ui.setupUi(*this, objectName, caption, groupLabel, 2 + size);
    ConnectBox(*ui.ComboBox1, BoxReacts::OnChange, services_.dialogs, [this] { ComboBox1Change(); });
    KeepEnterInBoxes(*this);
}

void GroupWindow::showRanking(const std::vector<std::string>& keys, std::size_t listed) {
    const std::vector<std::string> groups = GroupChoices(keys, size_, listed);
    {
        const QSignalBlocker quiet(ui.ComboBox1);
        ui.ComboBox1->clear();
        ui.ComboBox1->addItems(qsList(groups));
        ui.ComboBox1->setEditText(groups.empty() ? QString() : qs(groups.front()));
    }
    // A fresh view, so that with nothing ranked the group columns show nothing of an earlier group.
    view_ = GroupView(drag_.Grid, size_);
}

void GroupWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

void GroupWindow::FormShow() {
    view_.setRowCount(drag_.Grid.rowCount());
    ComboBox1Change();
}

void GroupWindow::ComboBox1Change() {
    const GroupCounts counts = ShowGroupColumns(view_, drag_.Grid, ss(ui.ComboBox1->currentText()), size_,
                                                drag_.TraceRowCount, draws_.MaxNo);
    ui.sg1->setTable(view_);
    ui.sg1->SetColWidth(0, 80);
    ui.sg1->SetColWidth(1, 56);
    ui.Label2->setText(QStringLiteral("拖牌總期數 ") + QString::number(drag_.TraceRowCount));
    ui.Label3->setText(hitText_ + QString::number(counts.hit));
    ui.Label4->setText(QStringLiteral("開出號碼數 ") + QString::number(counts.marks));
}
