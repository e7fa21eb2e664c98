#include "platform/error_handler.h"

#include <QString>

#include "common/errors.h"
#include "platform/dialogs.h"

void RunGuarded(Dialogs& dialogs, const std::function<void()>& work) {
    try {
        work();
    } catch (const ConversionError& e) {
        dialogs.messageDialog(QString::fromStdString(e.what()), DialogKind::Error, DialogButtons::Ok);
    } catch (const FileError& e) {
        dialogs.messageDialog(QString::fromStdString(e.what()), DialogKind::Error, DialogButtons::Ok);
    }
}
