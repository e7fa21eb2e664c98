#pragma once

#include <QDialog>

#include "drawhistory/draw_editor_form.h"

class QPixmap;
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

protected:
    void done(int result) override;

private:
    void Button1Click(); // "儲存"
    void FormClose();    // on closing: the history reloaded

    DrawEditorForm ui;
    const DrawTables& draws_;
    Services& services_;
    WindowLinks& links_;
};
