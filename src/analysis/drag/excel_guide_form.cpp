#include "analysis/drag/excel_guide_form.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/drag/excel_guide_pictures.h"
#include "platform/click_label.h"
#include "platform/fonts.h"
#include "platform/form_controls.h"

void ExcelGuideForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_img_excel"));
    window.setWindowTitle(QStringLiteral("將文字檔轉成Excel"));
    window.setFont(MingFont(10));

    const auto step = [&window](int number, const QString& caption) {
        auto* label = new ClickLabel(caption, &window);
        label->setObjectName(QStringLiteral("Label%1").arg(number));
        label->setCursor(Qt::PointingHandCursor);
        label->setStyleSheet(QStringLiteral("color: #000080; text-decoration: underline;"));
        return label;
    };
    Label1 = step(1, QStringLiteral("步驟一:開啟Excel"));
    Label2 = step(2, QStringLiteral("步驟二:匯入文字檔案"));
    Label3 = step(3, QStringLiteral("步驟三:開啟檔案"));
    Label4 = step(4, QStringLiteral("步驟四:(下一步)"));
    Label5 = step(5, QStringLiteral("步驟五:勾選\"逗點\"->下一步"));
    Label6 = step(6, QStringLiteral("步驟六:將第一,二欄位轉成文字"));
    Label7 = step(7, QStringLiteral("步驟七:完成"));

    for (int i = 0; i < 8; ++i) {
        auto* picture = new QLabel(&window);
        picture->setObjectName(QStringLiteral("img%1").arg(i));
        if (i > 0) {
            picture->setPixmap(ExcelGuidePicture(i));
            picture->setVisible(false);
        }
        img[static_cast<std::size_t>(i)] = picture;
    }
    img[0]->setPixmap(img[1]->pixmap());
    img[0]->setAlignment(Qt::AlignCenter);

    BitBtn1 = NewButton("BitBtn1", QStringLiteral("關閉"), &window);

    auto* steps = new QVBoxLayout;
    for (ClickLabel* label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7})
        steps->addWidget(label);
    steps->addStretch();
    steps->addWidget(BitBtn1);
    auto* layout = new QHBoxLayout(&window);
    layout->addLayout(steps);
    layout->addWidget(img[0], 1);
}
