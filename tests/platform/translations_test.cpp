#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include "platform/translations.h"

// Qt's own buttons read as on a Traditional-Chinese desktop once the translations are in.
TEST(QtTranslations, StandardButtonsReadInTraditionalChinese) {
    ASSERT_TRUE(InstallQtTranslations(*qApp));
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                         QDialogButtonBox::No);
    EXPECT_EQ(box.button(QDialogButtonBox::Ok)->text().remove(QLatin1Char('&')), QStringLiteral("確定"));
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("取消"));
    EXPECT_TRUE(box.button(QDialogButtonBox::Yes)->text().startsWith(QStringLiteral("是")));
    EXPECT_TRUE(box.button(QDialogButtonBox::No)->text().startsWith(QStringLiteral("否")));
}
