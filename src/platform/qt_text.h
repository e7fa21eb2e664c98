#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

// UTF-8 core text <-> Qt text.
inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string ss(const QString& text) {
    return text.toStdString();
}

inline QStringList qsList(const std::vector<std::string>& lines) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines)
        out << qs(line);
    return out;
}

inline std::vector<std::string> ssList(const QStringList& lines) {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(lines.size()));
    for (const auto& line : lines)
        out.push_back(ss(line));
    return out;
}
