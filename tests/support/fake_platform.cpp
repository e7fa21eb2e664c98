#include "support/fake_platform.h"

#include <QDialog>
#include <gtest/gtest.h>

#include "platform/report_form.h"

FakeDialogs::~FakeDialogs() {
    EXPECT_TRUE(answers.empty()) << "scripted dialog answers left unused: " << answers.size();
    EXPECT_TRUE(saveNames.empty()) << "scripted file names left unused: " << saveNames.size();
}

DialogAnswer FakeDialogs::messageDialog(const QString& text, DialogKind kind, DialogButtons buttons) {
    prompts.push_back(Prompt{text, kind, buttons, false});
    if (answers.empty()) {
        if (buttons == DialogButtons::Ok)
            return DialogAnswer::Ok;
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return DialogAnswer::Cancel;
    }
    const DialogAnswer next = answers.front();
    answers.pop_front();
    return next;
}

void FakeDialogs::showMessage(const QString& text) {
    prompts.push_back(Prompt{text, DialogKind::Information, DialogButtons::Ok, true});
}

QString FakeDialogs::saveFileName(const SaveFileRequest& request) {
    saveRequests.push_back(request);
    if (saveNames.empty()) {
        ADD_FAILURE() << "unexpected save dialog: " << request.title.toStdString();
        return {};
    }
    const QString next = saveNames.front();
    saveNames.pop_front();
    return next;
}

QStringList FakeDialogs::texts() const {
    QStringList out;
    for (const auto& p : prompts)
        out << p.text;
    return out;
}

void FakeShower::showModal(QDialog& window) {
    modalShown << window.objectName();
    window.show();
    auto found = modalActions.find(window.objectName());
    if (found != modalActions.end() && !found->second.empty()) {
        auto action = std::move(found->second.front());
        found->second.pop_front();
        action(window);
        if (window.isVisible())
            window.close();
    }
}

void FakeShower::showModeless(QWidget& window) {
    modelessShown << window.objectName();
    window.show();
}

void FakeReportPreview::preview(Trpt& report) {
    ++previews;
    lastLines = report.qr;
    lastFontSize = report.qrFontSize;
    if (!pdfFile.isEmpty())
        lastPages = report.printToPdf(pdfFile);
}
