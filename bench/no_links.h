#pragma once

#include "draws/draw_loader.h"
#include "platform/window_links.h"

// A window benchmarked on its own asks nothing of the shell.
class NoLinks final : public WindowLinks {
public:
    void show_memo(const QString&) override {}
    void show_memo_rpt(const QStringList&) override {}
    void setReportFontSize(int) override {}
    bool reloadHistory() override { return true; }
    void rereadHistory() override {}
    void adoptHistory(DrawReadResult) override {}
    void open(WindowId) override {}
};
