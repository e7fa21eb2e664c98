#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// The two type faces the windows and reports use, with the free fonts that stand in for them. Noto
// Serif CJK TC draws clearer digits than AR PL UMing, and most of what the windows show is digits.
inline QFont MingFont(int pointSize = 9) {
    QFont font;
    font.setFamilies({QStringLiteral("新細明體"), QStringLiteral("PMingLiU"),
                      QStringLiteral("Noto Serif CJK TC"), QStringLiteral("AR PL UMing TW")});
    font.setPointSize(pointSize);
    return font;
}

inline QFont KaiFont(int pointSize = 12) {
    QFont font;
    font.setFamilies({QStringLiteral("標楷體"), QStringLiteral("DFKai-SB"), QStringLiteral("AR PL UKai TW")});
    font.setPointSize(pointSize);
    return font;
}

// Memos whose lines are columns of numbers: every half-width character one width and every
// full-width character two, so the columns stay aligned.
inline QFont MemoFont(int pointSize = 9) {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans Mono CJK TC"), QStringLiteral("AR PL UMing TW")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(pointSize);
    return font;
}
