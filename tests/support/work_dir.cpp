#include "support/work_dir.h"

#include <QFile>
#include <gtest/gtest.h>

#include "common/text_file.h"

#ifndef QORVEL_DATA_DIR
#define QORVEL_DATA_DIR "data"
#endif

WorkDir::WorkDir() : previous_(QDir::currentPath()) {
    EXPECT_TRUE(dir_.isValid());
    QDir::setCurrent(dir_.path());
}

WorkDir::~WorkDir() {
    QDir::setCurrent(previous_);
}

void WorkDir::writeLines(const QString& name, const std::vector<std::string>& lines) const {
    WriteTextLines(file(name).toStdString(), lines);
}

void WorkDir::copyData(const QString& name) const {
    const QString source = QStringLiteral(QORVEL_DATA_DIR "/") + name;
    ASSERT_TRUE(QFile::copy(source, file(name))) << source.toStdString();
    QFile::setPermissions(file(name), QFile::ReadOwner | QFile::WriteOwner);
}
