#pragma once

#include <QPlainTextEdit>
#include <QStringList>

// A memo's text as lines, the way a classic memo counts them: an empty memo has no line, and a
// final line end adds no empty line.
inline QStringList MemoLines(const QPlainTextEdit& memo) {
    QStringList lines = memo.toPlainText().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

inline void SetMemoLines(QPlainTextEdit& memo, const QStringList& lines) {
    memo.setPlainText(lines.join(QLatin1Char('\n')));
}
