#include "platform/memo_output.h"

#include <QPlainTextEdit>

#include "common/text_file.h"
#include "platform/clipboard.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"

void ClearMemo(QPlainTextEdit& memo) {
    memo.clear();
}

void CopyMemo(QPlainTextEdit& memo, Clipboard& clipboard) {
    memo.selectAll();
    clipboard.setText(memo.toPlainText());
}

SaveFileRequest MemoSaveRequest(MemoFileKind kind, const QString& title) {
    SaveFileRequest request;
    request.title = title;
    const bool csv = kind == MemoFileKind::Csv;
    request.filter = csv ? QStringLiteral("Execel檔案(*.csv)") : QStringLiteral("文字檔案(*.txt)");
    request.defaultSuffix = csv ? QStringLiteral("csv") : QStringLiteral("txt");
    return request;
}

bool SaveMemo(const QPlainTextEdit& memo, Dialogs& dialogs, const SaveFileRequest& request) {
    const QString fileName = dialogs.saveFileName(request);
    if (fileName.isEmpty())
        return false;
    WriteTextLines(ss(fileName), ssList(MemoLines(memo)));
    return true;
}
