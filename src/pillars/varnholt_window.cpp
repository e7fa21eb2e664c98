#include "pillars/varnholt_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QToolButton>

#include "platform/box_reaction.h"
#include "platform/error_handler.h"
#include "platform/services.h"

TForm_varnholt::TForm_varnholt(const DrawTables& draws, Services& services, QWidget* parent)
    : QDialog(parent), draws_(draws), services_(services) {
    ui.setupUi(*this);
    connectHandlers();
    enablePillars(unit.PillarCount);
}

void TForm_varnholt::connectHandlers() {
    Dialogs& dialogs = services_.dialogs;
    auto onClick = [this, &dialogs](QAbstractButton* control, void (TForm_varnholt::*handler)()) {
        connect(control, &QAbstractButton::clicked, this,
                Guarded(dialogs, [this, handler] { (this->*handler)(); }));
    };
    // Combo boxes react to what the user picks or types, not to texts set from code.
    auto onUserChange = [this, &dialogs](QComboBox* box, void (TForm_varnholt::*handler)()) {
        ConnectBox(*box, BoxReacts::OnChange, dialogs, [this, handler] { (this->*handler)(); });
    };

    onClick(ui.Button1, &TForm_varnholt::Button1Click);
    onClick(ui.Button16, &TForm_varnholt::Button16Click);
    onClick(ui.Button17, &TForm_varnholt::Button17Click);
    onClick(ui.Button18, &TForm_varnholt::Button18Click);
    onClick(ui.Button2, &TForm_varnholt::Button2Click);
    onClick(ui.cb_ff, &TForm_varnholt::cb_dateChange);
    // A date or position is taken once picked, or once typed and confirmed, so typing does not warn
    // at each key; a typed date may be an older draw's, not listed.
    for (QComboBox* box : {ui.cb_date, ui.cb_ii})
        ConnectBox(*box, BoxReacts::OnConfirm, dialogs, [this] { cb_dateChange(); });

    onClick(ui.SpeedButton2, &TForm_varnholt::SpeedButton2Click);
    onClick(ui.SpeedButton3, &TForm_varnholt::SpeedButton3Click);
    onClick(ui.SpeedButton1, &TForm_varnholt::SpeedButton1Click);
    onClick(ui.BitBtn1, &TForm_varnholt::BitBtn1Click);
    onClick(ui.BitBtn2, &TForm_varnholt::BitBtn2Click);
    onClick(ui.BitBtn3, &TForm_varnholt::BitBtn3Click);

    // Verification reports, memo output and the computer arrangement.
    onClick(ui.Button26, &TForm_varnholt::Button26Click);
    onClick(ui.Button27, &TForm_varnholt::Button27Click);
    onClick(ui.Button9, &TForm_varnholt::Button9Click);
    onClick(ui.Button19, &TForm_varnholt::Button19Click);
    onClick(ui.Button24, &TForm_varnholt::Button24Click);
    onClick(ui.Button25, &TForm_varnholt::Button25Click);
    onClick(ui.Button3, &TForm_varnholt::Button3Click);
    onClick(ui.Button4, &TForm_varnholt::Button4Click);
    onClick(ui.Button5, &TForm_varnholt::Button5Click);
    onClick(ui.Button6, &TForm_varnholt::Button6Click);
    onClick(ui.Button20, &TForm_varnholt::Button20Click);
    onClick(ui.Button21, &TForm_varnholt::Button21Click);
    onClick(ui.Button22, &TForm_varnholt::Button22Click);
    onClick(ui.Button23, &TForm_varnholt::Button23Click);
    onClick(ui.Button10, &TForm_varnholt::Button10Click);
    onClick(ui.Button11, &TForm_varnholt::Button11Click);
    onClick(ui.Button13, &TForm_varnholt::Button13Click);
    onClick(ui.Button15, &TForm_varnholt::Button15Click);

    // Ticking a box from code runs its handler as a click does.
    for (int n = 1; n <= NumberBoxes; ++n)
        connect(ui.NoBox[n], &QCheckBox::toggled, this, Guarded(dialogs, [this] { CB01Click(); }));
    for (int d = 0; d <= 9; ++d)
        connect(ui.TailBox[d], &QCheckBox::toggled, this, Guarded(dialogs, [this] { CBT1Click(); }));
    for (int h = 0; h <= 4; ++h)
        connect(ui.HeadBox[h], &QCheckBox::toggled, this, Guarded(dialogs, [this] { CBH0Click(); }));
    onClick(ui.Button7, &TForm_varnholt::Button7Click);
    onClick(ui.Button8, &TForm_varnholt::Button8Click);

    onUserChange(ui.CB_Select, &TForm_varnholt::CB_SelectChange);
    for (int n = 1; n <= MaxPillars; ++n)
        onUserChange(ui.SizeBox[n], &TForm_varnholt::ComboBox1Change);

    onClick(ui.Button12, &TForm_varnholt::Button12Click);
    onClick(ui.Button14, &TForm_varnholt::Button14Click);
    onClick(ui.Button29, &TForm_varnholt::Button29Click);
    onClick(ui.btn_list3, &TForm_varnholt::btn_list3Click);
    onClick(ui.Button28, &TForm_varnholt::Button28Click);
    onClick(ui.btn_list2, &TForm_varnholt::btn_list2Click);
    onClick(ui.Button30, &TForm_varnholt::Button30Click);
    onClick(ui.btn_10, &TForm_varnholt::btn_10Click);
    onClick(ui.Button31, &TForm_varnholt::Button31Click);
    onClick(ui.btn_stop, &TForm_varnholt::btn_stopClick);
    onClick(ui.Button32, &TForm_varnholt::Button32Click);
    onClick(ui.btn_stop_1510, &TForm_varnholt::btn_stop_1510Click);
    KeepEnterInBoxes(*this);
}

void TForm_varnholt::setLogo(const QPixmap& logo) {
    ui.Image3->setPixmap(logo);
}

void TForm_varnholt::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

int TForm_varnholt::RG1ItemIndex() const {
    for (std::size_t i = 0; i < ui.RG1Items.size(); ++i)
        if (ui.RG1Items[i]->isChecked())
            return static_cast<int>(i);
    return -1;
}
