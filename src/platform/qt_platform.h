#pragma once

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/report_preview.h"
#include "platform/window_shower.h"

// The program's implementations of the platform seams.

class QtDialogs final : public Dialogs {
public:
    DialogAnswer messageDialog(const QString& text, DialogKind kind, DialogButtons buttons) override;
    void showMessage(const QString& text) override;
    QString saveFileName(const SaveFileRequest& request) override;
};

class SystemClock final : public Clock {
public:
    DateTime now() const override;
};

class QtClipboard final : public Clipboard {
public:
    void setText(const QString& text) override;
    QString text() const override;
    void setImage(const QImage& image) override;
    QImage image() const override;
};

class QtWindowShower final : public WindowShower {
public:
    void showModal(QDialog& window) override;
    void showModeless(QWidget& window) override;
};

class QtReportPreview final : public ReportPreview {
public:
    void preview(Trpt& report) override;
};
