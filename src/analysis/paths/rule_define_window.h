#pragma once

#include <QDialog>

#include "analysis/paths/rule_define_form.h"

struct DrawTables;
struct PathRules;
struct Services;

// 版路定義: which of the ten path rules the number analysis checks, and how many rows a chain needs.
// Its boxes show the rules in force each time it is shown; every change writes them back.
class TForm_rk_rule_define : public QDialog, public RuleDefineForm {
    Q_OBJECT
public:
    TForm_rk_rule_define(PathRules& rules, Services& services, QWidget* parent = nullptr);

    void FormShow();
    // Every rule box and run-length radio: copies all of them into the rules.
    void cb_n1p0Click();
    // Unticks every box, or ticks every box again.
    void SpeedButton1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    PathRules& rules_;
    Services& services_;
};
