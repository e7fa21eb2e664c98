#pragma once

class QComboBox;
class QDialog;
class QLabel;
class QString;
class StringGrid;

// The controls the two-of and three-of windows share: the chosen group, its drag columns and counts.
struct GroupForm {
    QLabel* Label1;
    QComboBox* ComboBox1; // the chosen pair or triple, editable
    StringGrid* sg1;      // date, draw number, one column per number of the group
    QLabel* Label2;       // rows of the drag
    QLabel* Label3;       // rows hit by the group
    QLabel* Label4;       // marks in the group's columns

    void setupUi(QDialog& window, const QString& objectName, const QString& caption,
                 const QString& groupLabel, int columns);
};
