#pragma once

#include <QDialog>
#include <QString>

#include "analysis/gap_form.h"
#include "analysis/gap_map.h"

struct DrawTables;
struct Services;

// For every number, the gaps between its appearances over the loaded history, the longest of them,
// and a report per number or for all of them.
class TForm_rk_no_interval : public QDialog {
    Q_OBJECT
public:
    TForm_rk_no_interval(const DrawTables& draws, Services& services, QWidget* parent = nullptr);

    const GapMap& map() const { return map_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    // Maps the gaps over the loaded history and reports number 01.
    void buildMap();
    void Button1Click(); // hidden: builds the map
    void cb_noChange();  // the number box, once a number is picked or confirmed
    void Label4Click();  // "全部號碼"
    void Button3Click(); // "清除"
    // Appends the report of the number the text names.
    void show_no(const QString& text);
    void setNumberText(const QString& text);

    const DrawTables& draws_;
    Services& services_;
    GapMap map_;
    GapForm ui;
};
