#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// The two type faces the windows and reports use, with the free fonts that stand in for them.
inline QFont MingFont(int pointSize = 9) {
    QFont font;
    font.setFamilies({QStringLiteral("新細明體"), QStringLiteral("PMingLiU"), QStringLiteral("AR PL UMing TW")});
    font.setPointSize(pointSize);
    return font;
}

inline QFont KaiFont(int pointSize = 12) {
    QFont font;
    font.setFamilies({QStringLiteral("標楷體"), QStringLiteral("DFKai-SB"), QStringLiteral("AR PL UKai TW")});
    font.setPointSize(pointSize);
    return font;
}
