#pragma once

#include <QDialog>

class QLabel;
class QPixmap;
class QPlainTextEdit;
class QPushButton;
struct Services;
struct DrawTables;
class WindowLinks;

// The manual editor: the draw file as editable text, saved whole; the main window reloads after.
class TForm_RK_stk_txtfile : public QDialog {
    Q_OBJECT
public:
    TForm_RK_stk_txtfile(const DrawTables& draws, Services& services, WindowLinks& links,
                         QWidget* parent = nullptr);

    // Fills the labels, caption, logo and text for the current game's draw file.
    void loadDrawFile(const QPixmap& logo);
    void Button1Click();
    void FormClose();

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QPushButton* Button1;
    QPlainTextEdit* Memo1;

protected:
    void done(int result) override;

private:
    const DrawTables& draws_;
    Services& services_;
    WindowLinks& links_;
};
