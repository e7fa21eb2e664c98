#pragma once

#include <QDate>
#include <QDateEdit>
#include <QString>

#include "common/date.h"

inline QDate ToQDate(const Date& date) {
    return QDate(date.year, date.month, date.day);
}
inline Date FromQDate(const QDate& date) {
    return Date{date.year(), date.month(), date.day()};
}

// A date picker showing "yyyy/mm/dd", with a calendar to drop down.
inline QDateEdit* MakeDatePicker(const QString& objectName, QWidget* parent) {
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(objectName);
    picker->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    picker->setCalendarPopup(true);
    return picker;
}
