#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QStringList>

#include "app/main_window_form.h"
#include "app/window_table.h"
#include "platform/window_links.h"

class AppWindows;
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

    // WindowLinks
    void show_memo(const QString& fileName) override;
    void show_memo_rpt(const QStringList& lines) override;
    void setReportFontSize(int points) override;
    // The load: empties the tables, reads, sorts, fills the record grid, splits, resets the path rules.
    bool reloadHistory() override;
    void rereadHistory() override;
    void adoptHistory(DrawReadResult read) override;
    void open(WindowId window) override;

    QPixmap currentLogo() const { return currentLogo_; }

signals:
    // The current game's logo changed; windows that show it follow.
    void logoChanged(const QPixmap& logo);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectControls();
    void rb_biglottoClick();   // "今彩539" and "加州夢幻５": the game switch
    void Label4Click();        // the draw file's name and "手動輸入": the file in the editor
    void SpeedButton19Click(); // "Close": hides the game panel
    void SpeedButton20Click(); // "顯示": shows it again
    void N9Click();            // "結束作業"
    // Shows the newest draw and names a bad line; true when there was none.
    bool showRead(const DrawFileRead& read);
    std::string today() const;

    MainWindowForm ui;
    SharedTables& tables_;
    Services& services_;
    AppWindows& windows_;
    WindowOpener opener_;
    QPixmap currentLogo_;
};
