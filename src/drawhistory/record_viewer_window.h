#pragma once

#include <QDialog>

#include "drawhistory/record_viewer_form.h"

struct Services;
struct DownloadSetting;
struct DrawTables;
struct WorkArea;
class TextTable;
class WindowLinks;

// The record viewer: the whole draw history newest first, the numbers in drawn or ascending order;
// from here the user prints a date range, reads the help, downloads or edits the draw file.
class TForm_rk_lotto_record : public QDialog {
    Q_OBJECT
public:
    TForm_rk_lotto_record(DrawTables& draws, WorkArea& work, TextTable& records,
                          const DownloadSetting& download, Services& services, WindowLinks& links,
                          QWidget* parent = nullptr);

    // "開獎資料共 n 期" from the loaded count.
    void showRecordCount();
    // Fills the grid from DrawLines in their current order.
    void showDrawLines();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void FormShow();           // on show: the history newest first
    void SpeedButton3Click();  // "順球順序"
    void SpeedButton12Click(); // "落球大小"
    void BitBtn2Click();       // "網路下載開獎資料"
    void BitBtn3Click();       // "手動輸入開獎資料"
    void SpeedButton13Click(); // "列印開獎資料", also the grid's popup item of that caption
    void SpeedButton10Click(); // "?" (說明)
    void FormClose();          // on closing: the full reload

    // Re-splits the tables in the grid's present order (newest first) and shows one number order.
    void showNumbers(bool ascending);
    void showRecords();

    RecordViewerForm ui;
    DrawTables& draws_;
    WorkArea& work_;
    TextTable& records_; // what sgl shows; the date-range print reads it
    const DownloadSetting& download_;
    Services& services_;
    WindowLinks& links_;
};
