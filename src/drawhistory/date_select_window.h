#pragma once

#include <QDialog>

#include "drawhistory/date_select_form.h"

struct Date;
struct Services;
struct DrawTables;
class TextTable;
class WindowLinks;

// Prints the part of the record grid that falls in a date range, through the report form.
class TForm_dateselect : public QDialog {
    Q_OBJECT
public:
    TForm_dateselect(const DrawTables& draws, const TextTable& records, Services& services,
                     WindowLinks& links, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();              // on show: the whole history up to today
    void DateTimePicker1Change(); // either end of the range changed
    void SpeedButton1Click();     // "列印"

    // Shows the count of draws in the range.
    void get_issue();
    Date fromDate() const;
    Date toDate() const;

    DateSelectForm ui;
    const DrawTables& draws_;
    const TextTable& records_; // the record viewer's grid as it shows it
    Services& services_;
    WindowLinks& links_;
};
