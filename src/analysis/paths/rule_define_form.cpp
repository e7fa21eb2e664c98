#include "analysis/paths/rule_define_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/fonts.h"
#include "platform/form_controls.h"

void RuleDefineForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_rk_rule_define"));
    window.setWindowTitle(QStringLiteral("版路定義"));
    window.setFont(MingFont(10));
    window.resize(600, 280);

    auto* title = new QLabel(QStringLiteral("落 點 圖 版 路 定 義"), &window);
    title->setAlignment(Qt::AlignCenter);
    title->setFont(KaiFont(16));
    title->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    title->setStyleSheet(QStringLiteral("background: #004080; color: yellow; padding: 6px;"));

    static const char* const names[] = {"cb_n1p0", "cb_n1p1", "cb_n1m1", "cb_n1p2", "cb_n1m2",
                                        "cb_n2p0", "cb_n2p1", "cb_n2m1", "cb_n2p2", "cb_n2m2"};
    for (std::size_t k = 0; k < ruleBoxes.size(); ++k) {
        ruleBoxes[k] = NewCheckBox(names[k], {}, true, &window);
    }
    cb_n1p0 = ruleBoxes[0];
    cb_n1p1 = ruleBoxes[1];
    cb_n1m1 = ruleBoxes[2];
    cb_n1p2 = ruleBoxes[3];
    cb_n1m2 = ruleBoxes[4];
    cb_n2p0 = ruleBoxes[5];
    cb_n2p1 = ruleBoxes[6];
    cb_n2m1 = ruleBoxes[7];
    cb_n2p2 = ruleBoxes[8];
    cb_n2m2 = ruleBoxes[9];

    const auto radio = [&window](const char* name, const QString& caption) {
        return Named(new QRadioButton(caption, &window), name);
    };
    rb_ok2 = radio("rb_ok2", QStringLiteral("連準二版"));
    rb_ok3 = radio("rb_ok3", QStringLiteral("連準三版"));
    rb_ok4 = radio("rb_ok4", QStringLiteral("連準四版"));
    rb_ok5 = radio("rb_ok5", QStringLiteral("連準五版"));
    rb_ok3->setChecked(true);

    const auto tool = [&window](const char* name, const QString& caption, QStyle::StandardPixmap picture) {
        QToolButton* button = NewSpeedButton(name, caption, &window);
        button->setIcon(window.style()->standardIcon(picture));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        return button;
    };
    SpeedButton1 = tool("SpeedButton1", QStringLiteral("清除"), QStyle::SP_DialogResetButton);
    SpeedButton2 = tool("SpeedButton2", {}, QStyle::SP_DialogApplyButton);
    SpeedButton3 = tool("SpeedButton3", {}, QStyle::SP_DialogResetButton);
    SpeedButton2->setVisible(false);
    SpeedButton3->setVisible(false);
    BitBtn1 = NewButton("BitBtn1", QStringLiteral("關閉"), &window);

    auto* rules = new QGridLayout;
    for (int k = 0; k < 5; ++k) {
        rules->addWidget(ruleBoxes[static_cast<std::size_t>(k)], k, 0);
        rules->addWidget(ruleBoxes[static_cast<std::size_t>(k + 5)], k, 1);
    }
    auto* runs = new QHBoxLayout;
    for (QRadioButton* button : {rb_ok2, rb_ok3, rb_ok4, rb_ok5})
        runs->addWidget(button);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(SpeedButton1);
    bottom->addStretch();
    bottom->addWidget(BitBtn1);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(title);
    layout->addLayout(rules);
    layout->addLayout(runs);
    layout->addLayout(bottom);
}
