#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QStringList>

class AppWindows;
class ClickLabel;
class QAction;
class QFrame;
class QLabel;
class QRadioButton;
class QToolButton;
struct Services;
struct SharedState;

// The application's shell: loads the draw history, shows the newest draw and the current game,
// switches games, opens the other windows, asks before the program ends, and prints and shows
// memos for every window.
class TForm_rk_main : public QMainWindow {
    Q_OBJECT
public:
    TForm_rk_main(SharedState& state, Services& services, AppWindows& windows, QWidget* parent = nullptr);

    // The load: empties the tables, reads, sorts, fills the record grid, splits, resets the path rules.
    void FormShow();
    void Read_lotto_list();
    void sort_orirec(int mode);
    void put_to_ltno();
    void show_to_grid();

    void rb_biglottoClick();
    void show_memo(const QString& fileName);
    void show_memo_rpt(const QStringList& lines);

    // Openers
    void lt_recordExecute();
    void VarnholtExecute();
    void Label4Click();
    void ftpipExecute();
    void N9Click();

    QPixmap currentLogo() const { return currentLogo_; }
    // Whether the last read stopped at a line it reported as bad (the lines after it not loaded).
    bool readStoppedAtBadLine() const { return readStoppedAtBadLine_; }

    // Controls
    QAction* lt_record;
    QAction* Varnholt;
    QAction* N9;
    QAction* ftpip; // on no menu: reached only through its action
    QFrame* Panel3;
    QFrame* Panel4;
    QFrame* Panel5;
    QFrame* Panel6;
    QLabel* Image_8e;
    QLabel* Image_m6;
    QLabel* Image1;
    QRadioButton* rb_biglotto;
    QRadioButton* rb_mark6;
    QLabel* lb_data;
    QLabel* lb_data1;
    QLabel* lb_data2;
    QToolButton* SpeedButton1;
    ClickLabel* Label4;
    ClickLabel* Label5;
    QToolButton* SpeedButton19;
    QToolButton* SpeedButton20;

signals:
    // The current game's logo changed; windows that show it follow.
    void logoChanged(const QPixmap& logo);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildPanels();

    SharedState& state_;
    Services& services_;
    AppWindows& windows_;
    QPixmap currentLogo_;
    bool readStoppedAtBadLine_ = false;
};
