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
class GroupWindow : public QDialog, public GroupForm {
    Q_OBJECT
public:
    // Fills the choice list from the ranked keys and takes the drag grid's date and number columns.
    void showRanking(const std::vector<std::string>& keys, std::size_t listed);
    void FormShow();
    void ComboBox1Change();

protected:
    GroupWindow(const DrawTables& draws, const DragHandOver& drag, Services& services, int size,
                const QString& objectName, const QString& caption, const QString& groupLabel,
                const QString& hitText, QWidget* parent);
    void showEvent(QShowEvent* event) override;

    const DrawTables& draws_;
    const DragHandOver& drag_;
    Services& services_;

private:
    int size_;        // numbers in a group
    QString hitText_; // caption of the rows-hit count
    TextTable view_;  // what sg1 shows
};
