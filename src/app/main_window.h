#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QStringList>

#include "platform/window_links.h"

struct AppWindows;
class ClickLabel;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QRadioButton;
class QToolButton;
struct DrawFileRead;
struct Services;
struct SharedTables;

// The application's shell: loads the draw history, shows the newest draw and the current game,
// switches games, opens the other windows, asks before the program ends, and prints and shows
// memos for every window.
class TForm_rk_main : public QMainWindow, public WindowLinks {
    Q_OBJECT
public:
    TForm_rk_main(SharedTables& tables, Services& services, AppWindows& windows, QWidget* parent = nullptr);

    // The load: empties the tables, reads, sorts, fills the record grid, splits, resets the path rules.
    void FormShow();

    void rb_biglottoClick();

    // WindowLinks
    void show_memo(const QString& fileName) override;
    void show_memo_rpt(const QStringList& lines) override;
    void setReportFontSize(int points) override;
    bool reloadHistory() override;
    void rereadHistory() override;
    void open(const QString& windowName) override;

    // Openers
    void lt_recordExecute();
    void VarnholtExecute();
    void Label4Click();
    void ftpipExecute();
    void downloadExecute();   // the record viewer's download button
    void dateselectExecute(); // the record viewer's date-range print
    void stk_3xxExecute();
    void stk_T3xxExecute();
    void NG_tailExecute();
    void NG_groupExecute();
    void linevalueExecute();
    void one3isExecute();
    void one3is_2Execute();
    void N9Click();
    void statisticsExecute();
    void stk_no_intervalExecute();
    void simulateExecute();
    // The drag window, modeless, on one of its pages.
    void N3Click();
    void N12Click();
    void N14Click();
    void N15Click();
    void N19Click();
    // Windows the drag family opens by name.
    void openTwoForOne();
    void openThreeForOne();
    void openGridSort();
    void openNoAnalysis();
    void openRuleDefine();
    void openExcelGuide();
    void N59Click(); // drag summary chart
    void movingExecute();
    void N41Click();
    void gold12Execute();

    QPixmap currentLogo() const { return currentLogo_; }

    // Controls
    QAction* lt_record;
    QAction* Varnholt;
    QAction* N9;
    QAction* ftpip;
    QMenu* menuDrag;
    QMenu* menuStatistics;
    QMenu* menuFormulas;
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
    QMenu* analysisMenu(const QString& name, const QString& title);
    // An item of an analysis menu that runs an opener, guarded like every handler.
    QAction* addOpener(QMenu* menu, const QString& name, const QString& text,
                       void (TForm_rk_main::*opener)());
    // Shows the newest draw and names a bad line; true when there was none.
    bool showRead(const DrawFileRead& read);
    std::string today() const;
    void showDragPage(int page);

    SharedTables& tables_;
    Services& services_;
    AppWindows& windows_;
    QPixmap currentLogo_;
};
