#pragma once

#include <QLabel>

// A caption that acts as a button: a click opens what it names, and so does Enter or Space once Tab
// has brought the focus to it, which it shows as a button does. Screen readers announce it as a
// button named by its caption, and their press action presses it.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
