#include "analysis/drag/group_form.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/fonts.h"
#include "platform/form_controls.h"
#include "platform/string_grid.h"

void GroupForm::setupUi(QDialog& window, const QString& objectName, const QString& caption,
                        const QString& groupLabel, int columns) {
    window.setObjectName(objectName);
    window.setWindowTitle(caption);
    window.setFont(MingFont(9));
    window.resize(420, 640);

    Label1 = NewLabel("Label1", groupLabel, &window);
    ComboBox1 = NewEditableCombo("ComboBox1", {}, {}, &window);
    ComboBox1->setMinimumWidth(110);
    sg1 = new StringGrid(0, 1, &window);
    sg1->setObjectName(QStringLiteral("sg1"));
    sg1->SetColCount(columns);
    sg1->verticalHeader()->setDefaultSectionSize(17);
    sg1->horizontalHeader()->setDefaultSectionSize(40);
    Label2 = NewLabel("Label2", {}, &window);
    Label3 = NewLabel("Label3", {}, &window);
    Label4 = NewLabel("Label4", {}, &window);

    auto* top = new QHBoxLayout;
    top->addWidget(Label1);
    top->addWidget(ComboBox1);
    top->addStretch();
    auto* counts = new QVBoxLayout;
    counts->addWidget(Label2);
    counts->addWidget(Label3);
    counts->addWidget(Label4);
    auto* layout = new QVBoxLayout(&window);
    layout->addLayout(top);
    layout->addWidget(sg1, 1);
    layout->addLayout(counts);
}
