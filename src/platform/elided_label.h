#pragma once

#include <QLabel>

class QFontMetrics;

// The text cut with "…" to what `width` pixels hold in that font. No glyph is narrower than a pixel,
// so characters past the first `width` are never measured: a text of any length is cut at once.
QString ElideToWidth(const QString& text, const QFontMetrics& metrics, int width);

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
