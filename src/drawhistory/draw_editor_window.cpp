#include "drawhistory/draw_editor_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/errors.h"
#include "common/text_file.h"
#include "draws/draw_tables.h"
#include "platform/dialogs.h"
#include "platform/error_handler.h"
#include "platform/fonts.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/widget_colours.h"
#include "platform/window_links.h"

TForm_RK_stk_txtfile::TForm_RK_stk_txtfile(const DrawTables& draws, Services& services, WindowLinks& links,
                                           QWidget* parent)
    : QDialog(parent), draws_(draws), services_(services), links_(links) {
    setObjectName(QStringLiteral("Form_RK_stk_txtfile"));
    resize(379, 540);

    auto* top = new QWidget(this);
    top->setObjectName(QStringLiteral("Panel1"));
    SetBackground(*top, Qt::white);

    Image1 = new QLabel(top);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setFixedSize(110, 60);
    Label1 = new QLabel(top);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont titleFont = Label1->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 4);
    Label1->setFont(titleFont);
    Label2 = new QLabel(QStringLiteral("請注意:手動輸入時,格式務必相符(按落球順序)"), top);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setStyleSheet(QStringLiteral("color: red;"));
    Label3 = new QLabel(QStringLiteral("yyyy/mm/dd,xxxxxx,00,00,00,00,00"), top);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4 = new QLabel(QStringLiteral("(全長32個字元)"), top);
    Label4->setObjectName(QStringLiteral("Label4"));
    Button1 = new QPushButton(QStringLiteral("儲存"), top);
    Button1->setObjectName(QStringLiteral("Button1"));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    QFont kai = KaiFont();
    kai.setPixelSize(19);
    Memo1->setFont(kai);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);

    connect(Button1, &QPushButton::clicked, this, Guarded(services_.dialogs, [this] { Button1Click(); }));

    auto* topLayout = new QGridLayout(top);
    topLayout->addWidget(Image1, 0, 0, 2, 1);
    topLayout->addWidget(Label1, 0, 1);
    topLayout->addWidget(Button1, 0, 2, Qt::AlignRight);
    topLayout->addWidget(Label2, 1, 1, 1, 2);
    topLayout->addWidget(Label3, 2, 0, 1, 2);
    topLayout->addWidget(Label4, 2, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(top);
    layout->addWidget(Memo1, 1);
}

void TForm_RK_stk_txtfile::loadDrawFile(const QPixmap& logo) {
    const QString gameName = qs(draws_.GameName);
    const QString fileName = qs(draws_.DataFileName);
    Label1->setText(gameName + QStringLiteral(" 開獎資料"));
    setWindowTitle(gameName + QStringLiteral(" ") + fileName + QStringLiteral(" 手動輸入資料"));
    Image1->setPixmap(logo);
    // The load creates the file; should it have gone since, the user starts from an empty text.
    const std::vector<std::string> lines =
        FileExists(draws_.DataFileName) ? ReadTextLines(draws_.DataFileName) : std::vector<std::string>();
    SetMemoLines(*Memo1, qsList(lines));
}

void TForm_RK_stk_txtfile::Button1Click() {
    try {
        WriteTextLines(draws_.DataFileName, SplitLines(ss(Memo1->toPlainText())));
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
