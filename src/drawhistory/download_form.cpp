#include "drawhistory/download_form.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/form_controls.h"
#include "platform/widget_colours.h"

void DownloadForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_Download_TxT_from_http"));
    window.setWindowTitle(QStringLiteral("下載開獎資料"));
    window.resize(461, 222);
    SetBackground(window, Qt::white);

    Image1 = NewLabel("Image1", QString(), &window);
    Image1->setPixmap(QPixmap(QStringLiteral(":/artwork/logo_tw539.jpg")));
    Image1->setScaledContents(true);
    Image1->setFixedSize(160, 120);
    Label1 = NewLabel("Label1", QStringLiteral("開獎檔案"), &window);
    Label2 = NewLabel("Label2", QString(), &window);
    QFont bold = Label2->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    Label2->setFont(bold);
    Button1 = NewButton("Button1", QStringLiteral("開始下載"), &window);
    Memo_txt = Named(new QPlainTextEdit(&window), "Memo_txt");
    Memo_txt->setVisible(false);

    auto* right = new QVBoxLayout;
    right->addWidget(Label1);
    right->addWidget(Label2);
    right->addStretch();
    right->addWidget(Button1);
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(Image1, 0, Qt::AlignTop);
    layout->addLayout(right, 1);
}
