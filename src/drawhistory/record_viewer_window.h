#pragma once

#include <QDialog>

class QAction;
class QLabel;
class QPushButton;
class QToolButton;
class StringGrid;
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

    void FormShow();
    void SpeedButton3Click();
    void SpeedButton12Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void SpeedButton13Click();
    void SpeedButton10Click();
    void FormClose();

    // "開獎資料共 n 期" from the loaded count.
    void showRecordCount();
    // Fills the grid from DrawLines in their current order.
    void showDrawLines();

    StringGrid* sgl;
    QAction* N1;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton12;
    QToolButton* SpeedButton13;
    QToolButton* SpeedButton10;
    QLabel* lb_reclen;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    // Re-splits the tables in the grid's present order (newest first) and shows one number order.
    void showNumbers(bool ascending);
    void showRecords();

    DrawTables& draws_;
    WorkArea& work_;
    TextTable& records_; // what sgl shows; the date-range print reads it
    const DownloadSetting& download_;
    Services& services_;
    WindowLinks& links_;
};
