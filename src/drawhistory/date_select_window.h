#pragma once

#include <QDialog>

class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;
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

    void FormShow();
    void DateTimePicker1Change();
    void get_issue();
    void SpeedButton1Click();

    QDateEdit* DateTimePicker1;
    QDateEdit* DateTimePicker2;
    QLineEdit* Edit1;
    QToolButton* SpeedButton1;
    QPlainTextEdit* mm; // hidden: collects the lines to print

protected:
    void showEvent(QShowEvent* event) override;

private:
    Date fromDate() const;
    Date toDate() const;

    const DrawTables& draws_;
    const TextTable& records_; // the record viewer's grid as it shows it
    Services& services_;
    WindowLinks& links_;
};
