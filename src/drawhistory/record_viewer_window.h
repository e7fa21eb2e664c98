#pragma once

#include <QDialog>

class StringGrid;

// The record viewer: the draw history in the grid `sgl`, one draw a row under the heading row.
class TForm_rk_lotto_record : public QDialog {
    Q_OBJECT
public:
    explicit TForm_rk_lotto_record(QWidget* parent = nullptr);

    StringGrid* sgl;
};
