#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

// Chains the controls of a window for Tab in the order they stand on screen: the children of each
// panel row by row from the top, left to right within a row, and a panel's own controls where the
// panel stands. Boxes, grids and memos count as one control each.
void ChainInReadingOrder(QWidget& window);

// The first control of the window that Tab reaches, or nullptr.
QWidget* FirstTabStop(QWidget& window);

// Keeps every window of the program in reading order for Tab: chains a window as it is shown, and
// again once controls shown later (a page brought to the front, a button that appears) are in
// place; and puts the focus on a window's first control as the window opens.
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
