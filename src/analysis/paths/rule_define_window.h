#pragma once

#include <QDialog>

#include "analysis/paths/rule_define_form.h"

struct DrawTables;
struct PathRules;
struct Services;

// 版路定義: which of the ten path rules the number analysis checks, and how many rows a chain needs.
// Its boxes show the rules in force each time it is shown; every change writes them back.
class TForm_rk_rule_define : public QDialog {
    Q_OBJECT
public:
    TForm_rk_rule_define(PathRules& rules, Services& services, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    // Every rule box (captioned with its rule's name) and "連準二版".."連準五版": copies all of them
    // into the rules.
    void cb_n1p0Click();
    // "清除" unticks every box, "全選" ticks every box again.
    void SpeedButton1Click();

    PathRules& rules_;
    Services& services_;
    RuleDefineForm ui;
};
