#include <QApplication>

#include "app/application.h"
#include "platform/qt_platform.h"
#include "platform/translations.h"

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("３９Qorvel王"));
    QApplication::setQuitOnLastWindowClosed(false);
    UseTaiwanChinese(qt);

    QtDialogs dialogs;
    SystemClock clock;
    QtClipboard clipboard;
    QtWindowShower shower;
    QtReportPreview preview;
    Application app(Services{dialogs, clock, clipboard, shower, preview}, ServerUrlsFromEnvironment());
    app.start();
    return QApplication::exec();
}
