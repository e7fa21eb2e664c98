#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <vector>

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/report_preview.h"
#include "platform/services.h"
#include "platform/window_shower.h"

// Records every prompt and answers from a script. A question (Yes / Yes-No) that the test did not
// script fails the test; OK-only messages are answered OK and recorded.
class FakeDialogs final : public Dialogs {
public:
    struct Prompt {
        QString text;
        DialogKind kind;
        DialogButtons buttons;
        bool plain; // a plain message box
    };

    ~FakeDialogs() override;

    void answer(DialogAnswer next) { answers.push_back(next); }
    void saveAs(const QString& fileName) { saveNames.push_back(fileName); }

    DialogAnswer messageDialog(const QString& text, DialogKind kind, DialogButtons buttons) override;
    void showMessage(const QString& text) override;
    QString saveFileName(const SaveFileRequest& request) override;

    QStringList texts() const;
    QString lastText() const { return prompts.empty() ? QString() : prompts.back().text; }

    std::vector<Prompt> prompts;
    std::vector<SaveFileRequest> saveRequests;
    std::deque<DialogAnswer> answers;
    std::deque<QString> saveNames;
};

class FixedClock final : public Clock {
public:
    DateTime time{Date{2026, 12, 7}, 10, 20, 30};
    DateTime now() const override { return time; }
};

class FakeClipboard final : public Clipboard {
public:
    void setText(const QString& text) override { content = text; }
    QString text() const override { return content; }
    void setImage(const QImage& image) override { picture = image; }
    QImage image() const override { return picture; }
    QString content;
    QImage picture;
};

// Shows windows without blocking. A closure scripted for a window's objectName runs while the
// window is "modal" and the window is closed afterwards, as a user would close it.
class FakeShower final : public WindowShower {
public:
    void showModal(QDialog& window) override;
    void showModeless(QWidget& window) override;

    void whenModal(const QString& objectName, std::function<void(QDialog&)> action) {
        modalActions[objectName].push_back(std::move(action));
    }

    QStringList modalShown;
    QStringList modelessShown;
    std::map<QString, std::deque<std::function<void(QDialog&)>>> modalActions;
};

// Records what was previewed; optionally also prints it to a PDF file.
class FakeReportPreview final : public ReportPreview {
public:
    void preview(Trpt& report) override;

    int previews = 0;
    QStringList lastLines;
    int lastFontSize = 0;
    QString pdfFile; // when set, each preview prints there
    int lastPages = 0;
};

// All the fakes, wired into a Services.
struct FakePlatform {
    FakeDialogs dialogs;
    FixedClock clock;
    FakeClipboard clipboard;
    FakeShower shower;
    FakeReportPreview reportPreview;
    Services services() { return Services{dialogs, clock, clipboard, shower, reportPreview}; }
};
