#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

// Chains the controls of a window for Tab in the order they stand on screen: the children of each
// panel row by row from the top, left to right within a row, and a panel's own controls where the
// panel stands. Boxes, grids and memos count as one control each.
void ChainInReadingOrder(QWidget& window);

// The control a window starts on: the first one Tab reaches other than a grid, memo, chart or
// caption acting as a button, or failing that the first one; nullptr when none takes the focus.
QWidget* FirstTabStop(QWidget& window);

// Keeps every window of the program in reading order for Tab: chains a window as it is shown, and
// again once controls shown later (a page brought to the front, a button that appears) are in
// place; and puts the focus on the control a window starts on as the window opens.
class ReadingOrderKeeper : public QObject {
public:
    // Watches the whole application while it lives.
    ReadingOrderKeeper();
    ~ReadingOrderKeeper() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chainLater(QWidget& window);
    void chainPending();

    QList<QPointer<QWidget>> pending_;
};
