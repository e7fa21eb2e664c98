#pragma once

#include <QDialog>

#include "analysis/drag/excel_guide_form.h"

// How to open the saved drag grid in a spreadsheet program, in seven pictured steps.
class TForm_img_excel : public QDialog, public ExcelGuideForm {
    Q_OBJECT
public:
    explicit TForm_img_excel(QWidget* parent = nullptr);

    // Shows the picture of step 1..7.
    void showStep(int step);
    void Label1Click() { showStep(1); }
    void Label2Click() { showStep(2); }
    void Label3Click() { showStep(3); }
    void Label4Click() { showStep(4); }
    void Label5Click() { showStep(5); }
    void Label6Click() { showStep(6); }
    void Label7Click() { showStep(7); }
};
