#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "platform/window_links.h"

// Records what a window asks of the shell. The reload and reread do what `reload` and `reread`
// say (set by the fixture), or nothing.
class FakeLinks final : public WindowLinks {
public:
    void show_memo(const QString& fileName) override { helpShown << fileName; }
    void show_memo_rpt(const QStringList& lines) override { printed.push_back(lines); }
    void setReportFontSize(int points) override { reportFontSizes.push_back(points); }
    bool reloadHistory() override;
    void rereadHistory() override;
    void adoptHistory(DrawReadResult read) override;
    void open(WindowId window) override { opened.push_back(window); }

    QStringList helpShown;            // help files asked for, in order
    std::vector<QStringList> printed; // the lines of each print
    std::vector<int> reportFontSizes;
    std::vector<WindowId> opened;
    int reloads = 0;
    int rereads = 0;

    std::function<bool()> reload;
    std::function<void()> reread;
};
