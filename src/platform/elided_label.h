#pragma once

#include <QLabel>

// A label for text the user typed, however long: it shows what its width holds, cut with "…", and
// asks its window for no more room than a short text would, so a long text neither stretches the
// window nor holds up its painting. text() keeps the whole text; the tool tip shows it when cut.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // What the label shows at its present width.
    QString shownText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

ElidedLabel* NewElidedLabel(const char* name, QWidget* parent);
