#pragma once

#include <QDialog>
#include <string>

#include "analysis/simulate_form.h"
#include "common/fixed_table.h"

class Dialogs;

// A notepad for one simulated draw: six numbers and the special number, each kept as an integer
// of at least two digits, remembered from one showing to the next until the program ends.
class TForm_rk_simulate : public QDialog {
    Q_OBJECT
public:
    explicit TForm_rk_simulate(Dialogs& dialogs, QWidget* parent = nullptr);

    // The texts of the seven boxes as last closed.
    FixedTable<std::string, 7> SimNos;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormShow();
    void FormClose();
    // Edit1Change..Edit7Change and Edit1Exit..Edit7Exit, the boxes of "正號" and "特別號": one rule
    // for every box.
    void EditChange(int k);
    void EditExit(int k);

    Dialogs& dialogs_;
    SimulateForm ui;
};
