#include "analysis/paths/rule_define_window.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolButton>

#include "draws/path_rules.h"
#include "platform/error_handler.h"
#include "platform/qt_text.h"
#include "platform/services.h"

TForm_rk_rule_define::TForm_rk_rule_define(PathRules& rules, Services& services, QWidget* parent)
    : QDialog(parent), rules_(rules), services_(services) {
    ui.setupUi(*this);
    for (std::size_t k = 0; k < ui.ruleBoxes.size(); ++k)
        ui.ruleBoxes[k]->setText(qs(rules_.RuleName[static_cast<int>(k) + 1]));
    const auto changed = Guarded(services_.dialogs, [this] { cb_n1p0Click(); });
    for (QCheckBox* box : ui.ruleBoxes)
        connect(box, &QCheckBox::toggled, this, changed);
    for (QRadioButton* button : {ui.rb_ok2, ui.rb_ok3, ui.rb_ok4, ui.rb_ok5})
        connect(button, &QRadioButton::toggled, this, [this, button, changed](bool on) {
            if (on)
                changed();
        });
    connect(ui.SpeedButton1, &QToolButton::clicked, this,
            Guarded(services_.dialogs, [this] { SpeedButton1Click(); }));
    connect(ui.BitBtn1, &QPushButton::clicked, this, &QDialog::close);
}

void TForm_rk_rule_define::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

void TForm_rk_rule_define::FormShow() {
    // A reload switches every rule on again: the boxes show the rules as they are now in force.
    for (std::size_t k = 0; k < ui.ruleBoxes.size(); ++k) {
        const QSignalBlocker quiet(ui.ruleBoxes[k]);
        ui.ruleBoxes[k]->setText(qs(rules_.RuleName[static_cast<int>(k) + 1]));
        ui.ruleBoxes[k]->setChecked(rules_.RuleEnable[static_cast<int>(k) + 1]);
    }
    QRadioButton* const runs[] = {ui.rb_ok2, ui.rb_ok3, ui.rb_ok4, ui.rb_ok5};
    for (int n = 2; n <= 5; ++n) {
        const QSignalBlocker quiet(runs[n - 2]);
        runs[n - 2]->setChecked(rules_.RuleOkCount == n);
    }
}

void TForm_rk_rule_define::cb_n1p0Click() {
    for (std::size_t k = 0; k < ui.ruleBoxes.size(); ++k)
        rules_.RuleEnable[static_cast<int>(k) + 1] = ui.ruleBoxes[k]->isChecked();
    rules_.RuleOkCount = ui.rb_ok2->isChecked()   ? 2
                         : ui.rb_ok4->isChecked() ? 4
                         : ui.rb_ok5->isChecked() ? 5
                                                  : 3;
}

void TForm_rk_rule_define::SpeedButton1Click() {
    const bool tickAll = ui.SpeedButton1->text() == QStringLiteral("全選");
    ui.SpeedButton1->setText(tickAll ? QStringLiteral("清除") : QStringLiteral("全選"));
    ui.SpeedButton1->setIcon(tickAll ? ui.SpeedButton3->icon() : ui.SpeedButton2->icon());
    for (QCheckBox* box : ui.ruleBoxes)
        box->setChecked(tickAll);
}
