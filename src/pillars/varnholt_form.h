#pragma once

#include <array>

#include "common/fixed_table.h"
#include "pillars/pillar_model.h"
#include "pillars/varnholt_state.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class QWidget;
class StringGrid;

// The controls of the best-pillar window, each under its name, and their layout on six pages.
// setupUi builds them into the window as a generated form does; the window wires the handlers.
struct VarnholtForm {
    void setupUi(QDialog& window);

    QTabWidget* PageC = nullptr;
    QWidget* TS2 = nullptr;
    QWidget* TS3 = nullptr;
    QWidget* TS4 = nullptr;
    QWidget* TS5 = nullptr;
    QWidget* TS6 = nullptr;
    QWidget* TS7 = nullptr;

    // 號碼來源
    QDateEdit* DateTimePicker1 = nullptr;
    QDateEdit* DateTimePicker2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* lb_history_start = nullptr; // where the loaded history starts, when the range reaches before it
    QPushButton* Button1 = nullptr;
    QComboBox* cbis = nullptr;
    QPushButton* Button16 = nullptr;
    QComboBox* cb_intv = nullptr;
    QComboBox* cbis_2 = nullptr;
    QPushButton* Button17 = nullptr;
    QComboBox* cb_date = nullptr;
    QComboBox* cb_ii = nullptr;
    QComboBox* CB_xx = nullptr;
    QComboBox* cb_prediction = nullptr;
    QCheckBox* cb_ff = nullptr;
    QPushButton* Button18 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;

    // 號碼和尾數統計
    StringGrid* sga1 = nullptr;
    StringGrid* sga2 = nullptr;
    StringGrid* sgaT = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QLabel* lb2s = nullptr;
    QLabel* lb3s = nullptr;
    QLabel* lb4s = nullptr;
    QPlainTextEdit* mm = nullptr;
    QPlainTextEdit* mm3 = nullptr;
    QPlainTextEdit* mm9 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;

    // 選擇號碼
    FixedTable<QCheckBox*, NumberBoxes> NoBox{};
    FixedTable<QCheckBox*, 10, 0> TailBox{};
    FixedTable<QCheckBox*, 5, 0> HeadBox{};
    QComboBox* cb9 = nullptr;
    QPushButton* Button7 = nullptr;
    QLabel* Label29 = nullptr;
    QPushButton* Button8 = nullptr;
    QLabel* lb_selectNo = nullptr;
    QLabel* Image3 = nullptr;

    // 選擇柱數
    QComboBox* CB_Select = nullptr;
    FixedTable<QComboBox*, MaxPillars> SizeBox{};
    FixedTable<QPlainTextEdit*, MaxPillars> PillarMemo{};
    QLabel* lb_NOTT = nullptr;
    QLabel* lb_pon2 = nullptr;
    QLabel* lb_pon3 = nullptr;
    QLabel* lb_pon4 = nullptr;
    QLabel* lb_tot = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label28 = nullptr;
    QPushButton* Button19 = nullptr;
    QPushButton* Button27 = nullptr;
    QPushButton* Button26 = nullptr;
    QPushButton* Button12 = nullptr;
    QPushButton* Button14 = nullptr;
    QPushButton* Button29 = nullptr;
    QPushButton* btn_list3 = nullptr;
    QPushButton* Button28 = nullptr;
    QPushButton* btn_list2 = nullptr;
    QPushButton* Button30 = nullptr;
    QPushButton* btn_10 = nullptr;
    QGroupBox* RG1 = nullptr;
    std::array<QRadioButton*, 3> RG1Items{};
    QPushButton* Button31 = nullptr;
    QPushButton* btn_stop = nullptr;
    QPushButton* Button32 = nullptr;
    QPushButton* btn_stop_1510 = nullptr;
    QLabel* lb_percent = nullptr;
    QPushButton* Button24 = nullptr;
    QPushButton* Button25 = nullptr;
    QPlainTextEdit* MM_2 = nullptr;
    QPlainTextEdit* MM3_2 = nullptr;
    QPlainTextEdit* M2 = nullptr;
    QPlainTextEdit* M3 = nullptr;

    // Qorvel驗證
    QLabel* Label57 = nullptr;
    QLabel* Label56 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPushButton* Button20 = nullptr;
    QPushButton* Button21 = nullptr;
    QPushButton* Button22 = nullptr;
    QPushButton* Button23 = nullptr;

    // 連碰驗證
    QLabel* Label41 = nullptr;
    QLabel* Label42 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QPushButton* Button9 = nullptr;
    QCheckBox* cb_detail = nullptr;
    QPushButton* Button10 = nullptr;
    QPushButton* Button11 = nullptr;
    QPushButton* Button13 = nullptr;
    QPushButton* Button15 = nullptr;

private:
    void setupSourcePage();
    void setupStatisticsPage();
    void setupSelectionPage();
    void setupPillarPage();
    void setupPillarVerificationPage();
    void setupWheelVerificationPage();
};
