#include "drawhistory/draw_editor_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "common/errors.h"
#include "common/text_file.h"
#include "draws/draw_tables.h"
#include "platform/dialogs.h"
#include "platform/error_handler.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/window_links.h"

namespace {

// The memo spends about two microseconds on every paragraph. Up to MaxParagraphs lines, far more than
// any real history holds (some tens of thousands of draws), each line is a paragraph of its own, so a
// triple-click selects one draw. Only a longer file, which would otherwise take seconds to show, puts
// a few lines into each paragraph, joined by line separators. Either way the user sees, edits and
// saves them as lines (the memo's text turns every separator into a line end).
QString MemoText(const std::vector<std::string>& lines) {
    constexpr std::size_t MaxParagraphs = 100000;
    const std::size_t linesPerParagraph =
        std::max<std::size_t>(1, (lines.size() + MaxParagraphs - 1) / MaxParagraphs);
    QString text;
    text.reserve(static_cast<qsizetype>(lines.size() * 34));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += i % linesPerParagraph == 0 ? QChar(u'\n') : QChar(QChar::LineSeparator);
        text += QString::fromStdString(lines[i]);
    }
    return text;
}

} // namespace

TForm_RK_stk_txtfile::TForm_RK_stk_txtfile(const DrawTables& draws, Services& services, WindowLinks& links,
                                           QWidget* parent)
    : QDialog(parent), draws_(draws), services_(services), links_(links) {
    ui.setupUi(*this);
    connect(ui.Button1, &QPushButton::clicked, this, Guarded(services_.dialogs, [this] { Button1Click(); }));
}

void TForm_RK_stk_txtfile::loadDrawFile(const QPixmap& logo) {
    const QString gameName = qs(draws_.GameName);
    const QString fileName = qs(draws_.DataFileName);
    ui.Label1->setText(gameName + QStringLiteral(" 開獎資料"));
    setWindowTitle(gameName + QStringLiteral(" ") + fileName + QStringLiteral(" 手動輸入資料"));
    ui.Image1->setPixmap(logo);
    // The load creates the file; should it have gone since, the user starts from an empty text.
    const std::vector<std::string> lines =
        FileExists(draws_.DataFileName) ? ReadTextLines(draws_.DataFileName) : std::vector<std::string>();
    ui.Memo1->setPlainText(MemoText(lines));
}

void TForm_RK_stk_txtfile::Button1Click() {
    try {
        WriteTextLines(draws_.DataFileName, SplitLines(ss(ui.Memo1->toPlainText())));
    } catch (const FileError& error) {
        // Nothing was replaced; the text stays here so the user can try again.
        services_.dialogs.messageDialog(qs(error.what()) + QStringLiteral(",輸入的資料尚未儲存"),
                                        DialogKind::Error, DialogButtons::Ok);
        return;
    }
    services_.dialogs.messageDialog(windowTitle() + QStringLiteral(" 檔案儲存完成"), DialogKind::Information,
                                    DialogButtons::Ok);
    // A reload that names a line it could not take keeps the editor open for the correction.
    if (!links_.reloadHistory())
        return;
    close();
}

void TForm_RK_stk_txtfile::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TForm_RK_stk_txtfile::FormClose() {
    RunGuarded(services_.dialogs, [this] { links_.reloadHistory(); });
}
