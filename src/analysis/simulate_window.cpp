#include "analysis/simulate_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "analysis/simulate_numbers.h"
#include "platform/box_reaction.h"
#include "platform/error_handler.h"
#include "platform/qt_text.h"

TForm_rk_simulate::TForm_rk_simulate(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    ui.setupUi(*this);
    for (int k = 1; k <= SimulatedBoxes; ++k) {
        ConnectBox(*ui.Edit[k], BoxReacts::OnChange, dialogs_, [this, k] { EditChange(k); });
        ConnectBox(*ui.Edit[k], BoxReacts::OnConfirm, dialogs_, [this, k] { EditExit(k); });
    }
    connect(ui.BitBtn1, &QPushButton::clicked, this, &QDialog::close);
    KeepEnterInBoxes(*this);
}

void TForm_rk_simulate::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(dialogs_, [this] { FormShow(); });
}

// However the window goes (its button, the title bar, Esc), the boxes are kept.
void TForm_rk_simulate::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}

void TForm_rk_simulate::FormShow() {
    for (int k = 1; k <= SimulatedBoxes; ++k)
        ui.Edit[k]->setText(qs(SimNos[k]));
}

void TForm_rk_simulate::FormClose() {
    for (int k = 1; k <= SimulatedBoxes; ++k)
        SimNos[k] = ss(ui.Edit[k]->text());
}

void TForm_rk_simulate::EditChange(int k) {
    const std::string text = ss(ui.Edit[k]->text());
    const std::string kept = SimulatedTextAfterChange(text);
    if (kept != text)
        ui.Edit[k]->setText(qs(kept));
}

void TForm_rk_simulate::EditExit(int k) {
    const std::string text = ss(ui.Edit[k]->text());
    const std::string shown = SimulatedTextOnLeave(text);
    if (shown != text)
        ui.Edit[k]->setText(qs(shown));
}
