#include <QDir>
#include <QFile>

#include "drawhistory/app_test_fixture.h"

// Beyond the largest process id Linux hands out: the writer of these is surely gone.
TEST_F(AppTest, StartUpRemovesOnlyTheTemporaryFilesOfFilesTheProgramRewrites) {
    const QStringList own = {QStringLiteral(".~US539.txt.999999999-1.tmp"),
                             QStringLiteral(".~FtpServerIp.txt.999999999-2.tmp"),
                             QStringLiteral(".~Text539._Form_rk_6line_3is_2.txt.999999999-3.tmp"),
                             QStringLiteral(".~Text8E_Form_rk_7star2_ng.txt.999999999.tmp"),
                             QStringLiteral(".~C15_10.txt.999999999-4.tmp"),
                             QStringLiteral(".~index4B.gif.999999999-5.tmp")};
    const QStringList others = {QStringLiteral(".~notes.txt.999999999.tmp"),
                                QStringLiteral(".~TW539.txt.bak.999999999-6.tmp"),
                                QStringLiteral(".~index5A.gif.999999999-7.tmp")};
    for (const QString& name : own + others) {
        QFile file(dir.file(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("partial");
    }
    startWith({MakeDrawLine("2026/01/02", "115001", {1, 2, 3, 4, 5})});
    for (const QString& name : own)
        EXPECT_FALSE(QFile::exists(dir.file(name))) << name.toStdString();
    for (const QString& name : others)
        EXPECT_TRUE(QFile::exists(dir.file(name))) << name.toStdString();
}
