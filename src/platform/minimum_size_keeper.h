#pragma once

#include <QObject>

// Keeps every window at least as large as its controls need. Window managers honour the minimum a
// window asks for, but a window system without one, or a tiling one, may still shrink a window
// past it, cutting boxes and pushing buttons off the edge; such a window grows back at once.
class MinimumSizeKeeper : public QObject {
public:
    // Watches the whole application while it lives.
    explicit MinimumSizeKeeper(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
