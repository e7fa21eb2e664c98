#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "analysis/drag/group_form.h"
#include "common/text_table.h"

struct DragHandOver;
struct DrawTables;
struct Services;

// What the two-of and three-of windows share: a ranked list of groups of numbers over the current
// drag grid, and the drag columns of the chosen group with its counts.
class GroupWindow : public QDialog {
    Q_OBJECT
public:
    // Fills the choice list from the ranked keys and takes the drag grid's date and number columns.
    void showRanking(const std::vector<std::string>& keys, std::size_t listed);

protected:
    GroupWindow(const DrawTables& draws, const DragHandOver& drag, Services& services, int size,
                const QString& objectName, const QString& caption, const QString& groupLabel,
                const QString& hitText, QWidget* parent);
    void showEvent(QShowEvent* event) override;

    GroupForm ui;
    const DrawTables& draws_;
    const DragHandOver& drag_;
    Services& services_;

private:
    // Each showing: the view takes the grid's rows and shows the chosen group.
    void FormShow();
    void ComboBox1Change(); // the group box under "二中一號碼" / "三中一號碼": shows that group's columns

    int size_;        // numbers in a group
    QString hitText_; // caption of the rows-hit count
    TextTable view_;  // what sg1 shows
};
