#pragma once

#include <QDialog>
#include <QString>

#include "analysis/gap_form.h"
#include "analysis/gap_map.h"

struct DrawTables;
struct Services;

// For every number, the gaps between its appearances over the loaded history, the longest of them,
// and a report per number or for all of them.
class TForm_rk_no_interval : public QDialog, public GapForm {
    Q_OBJECT
public:
    TForm_rk_no_interval(const DrawTables& draws, Services& services, QWidget* parent = nullptr);

    void FormShow();
    void Button1Click(); // the map build
    void cb_noChange();
    void Label4Click();
    void Button3Click();
    // Appends the report of the number the text names.
    void show_no(const QString& text);

    const GapMap& map() const { return map_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setNumberText(const QString& text);

    const DrawTables& draws_;
    Services& services_;
    GapMap map_;
};
