#pragma once

#include "platform/dialogs.h"

// Answers every question the same way and shows nothing, so a window benchmark runs unattended.
class AnsweringDialogs final : public Dialogs {
public:
    explicit AnsweringDialogs(DialogAnswer answer) : answer_(answer) {}
    DialogAnswer messageDialog(const QString&, DialogKind, DialogButtons) override { return answer_; }
    void showMessage(const QString&) override {}
    QString saveFileName(const SaveFileRequest&) override { return {}; }

private:
    DialogAnswer answer_;
};
