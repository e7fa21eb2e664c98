#pragma once

#include <QString>

#include "platform/dialogs.h"

class Clipboard;
class QPlainTextEdit;

// What the output buttons under a memo do: clear it, copy it, save it as a text or CSV file.

// Empties the memo.
void ClearMemo(QPlainTextEdit& memo);

// Selects the memo's whole text, as the user then sees it, and puts it on the clipboard.
void CopyMemo(QPlainTextEdit& memo, Clipboard& clipboard);

enum class MemoFileKind { Text, Csv };

// The save dialog's request for a memo: "文字檔案(*.txt)" or "Execel檔案(*.csv)" with their
// default extension. The memo lines of a CSV file are already comma-separated.
SaveFileRequest MemoSaveRequest(MemoFileKind kind, const QString& title = QString());

// Asks for a file name; when the user confirms, writes the memo's lines as they stand to it (Big5,
// CR LF, the whole file at once). False when the user cancelled. A failed write throws FileError.
bool SaveMemo(const QPlainTextEdit& memo, Dialogs& dialogs, const SaveFileRequest& request);
