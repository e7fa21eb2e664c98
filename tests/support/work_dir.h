#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <string>
#include <vector>

// A fresh temporary working directory for one test; the previous one is restored afterwards.
class WorkDir {
public:
    WorkDir();
    ~WorkDir();

    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

    // Writes lines as a Big5 CR LF text file into the directory.
    void writeLines(const QString& name, const std::vector<std::string>& lines) const;
    // Copies a file of the project's data folder into the directory.
    void copyData(const QString& name) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};
