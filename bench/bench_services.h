#pragma once

#include "answering_dialogs.h"
#include "draws/draw_loader.h"
#include "platform/qt_platform.h"
#include "platform/services.h"
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

// What a benchmarked window runs with: every question answered the same way, the real clock,
// clipboard and preview, windows shown by a `Shower`, and no shell.
template <class Shower> struct BenchServicesWith {
    explicit BenchServicesWith(DialogAnswer answer) : dialogs(answer) {}
    AnsweringDialogs dialogs;
    SystemClock clock;
    QtClipboard clipboard;
    Shower shower;
    QtReportPreview preview;
    Services services{dialogs, clock, clipboard, shower, preview};
    NoLinks links;
};

// The same with the real shower.
using BenchServices = BenchServicesWith<QtWindowShower>;
