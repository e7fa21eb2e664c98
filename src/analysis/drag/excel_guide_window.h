#pragma once

#include <QDialog>

#include "analysis/drag/excel_guide_form.h"

// How to open the saved drag grid in a spreadsheet program, in seven pictured steps.
class TForm_img_excel : public QDialog {
    Q_OBJECT
public:
    explicit TForm_img_excel(QWidget* parent = nullptr);

private:
    // The step captions "步驟一:開啟Excel" .. "步驟七:完成": each shows the picture of its step 1..7.
    void showStep(int step);

    ExcelGuideForm ui;
};
