#include "drawhistory/date_select_form.h"

#include <QDateEdit>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include "platform/date_picker.h"
#include "platform/form_controls.h"
#include "platform/widget_colours.h"

void DateSelectForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_dateselect"));
    window.setWindowTitle(QStringLiteral("列印日期區間選擇"));
    window.resize(373, 120);
    SetBackground(window, QColor(0xC0, 0x00, 0x00), Qt::white);

    QLabel* heading = NewCaption(QStringLiteral("列印區間"), &window);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    DateTimePicker1 = MakeDatePicker(QStringLiteral("DateTimePicker1"), &window);
    DateTimePicker2 = MakeDatePicker(QStringLiteral("DateTimePicker2"), &window);
    Edit1 = NewEdit("Edit1", QString(), &window);
    Edit1->setReadOnly(true);
    Edit1->setMaximumWidth(60);
    SpeedButton1 = Named(new QToolButton(&window), "SpeedButton1");
    SpeedButton1->setText(QStringLiteral("列印"));
    lb_history_start = NewLabel("lb_history_start", QString(), &window);
    lb_history_start->setWordWrap(true);
    mm = Named(new QPlainTextEdit(&window), "mm");
    mm->setVisible(false);

    auto* layout = new QGridLayout(&window);
    layout->addWidget(heading, 0, 0, 1, 4);
    layout->addWidget(NewCaption(QStringLiteral("自"), &window), 1, 0);
    layout->addWidget(DateTimePicker1, 1, 1);
    layout->addWidget(NewCaption(QStringLiteral("到"), &window), 1, 2);
    layout->addWidget(DateTimePicker2, 1, 3);
    layout->addWidget(NewCaption(QStringLiteral("期數"), &window), 2, 0);
    layout->addWidget(Edit1, 2, 1, Qt::AlignLeft);
    layout->addWidget(SpeedButton1, 2, 3, Qt::AlignRight);
    layout->addWidget(lb_history_start, 3, 0, 1, 4);
}
