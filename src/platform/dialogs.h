#pragma once

#include <QString>

enum class DialogKind { Warning, Error, Information, Confirmation };
enum class DialogButtons { Ok, Yes, YesNo };
enum class DialogAnswer { Ok, Yes, No, Cancel };

struct SaveFileRequest {
    QString title;
    QString filter;        // Qt filter text, e.g. "文字檔 (*.txt);;CSV (*.csv)"
    QString defaultSuffix; // without the dot
    QString fileName;      // proposed name
};

// Every message and file dialog goes through here, so tests can script the answers.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message dialog of a kind with a set of buttons; returns the button pressed.
    virtual DialogAnswer messageDialog(const QString& text, DialogKind kind, DialogButtons buttons) = 0;
    // A plain message box: the text and an OK button.
    virtual void showMessage(const QString& text) = 0;
    // The chosen file name, or an empty text when the user cancels.
    virtual QString saveFileName(const SaveFileRequest& request) = 0;
};
