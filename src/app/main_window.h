#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QStringList>

#include "app/window_table.h"
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
    explicit TForm_rk_main(const WindowContext& context, QWidget* parent = nullptr);

    // The load: empties the tables, reads, sorts, fills the record grid, splits, resets the path rules.
    void FormShow();

    void rb_biglottoClick();

    // WindowLinks
    void show_memo(const QString& fileName) override;
    void show_memo_rpt(const QStringList& lines) override;
    void setReportFontSize(int points) override;
    bool reloadHistory() override;
    void rereadHistory() override;
    void open(WindowId window) override;

    // The exit item.
    void N9Click();

    QPixmap currentLogo() const { return currentLogo_; }

    // Controls
    QAction* lt_record; // the record viewer's menu item, also on SpeedButton1
    QAction* N9;
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
    QMenu* addMenu(const QString& name, const QString& title);
    // An item of a menu that opens its window, guarded like every handler.
    void addOpener(QMenu* menu, const MenuItem& item);
    // Shows the newest draw and names a bad line; true when there was none.
    bool showRead(const DrawFileRead& read);
    std::string today() const;

    SharedTables& tables_;
    Services& services_;
    AppWindows& windows_;
    WindowOpener opener_;
    QPixmap currentLogo_;
};
