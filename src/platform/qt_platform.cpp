#include "platform/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDialog>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QTreeView>
#include <algorithm>

#include "platform/elided_label.h"
#include "platform/file_dialog_locale.h"
#include "platform/report_form.h"

namespace {

QWidget* activeParent() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

// Qt's own file dialog lists a folder in four columns: the size, type and date columns take the
// width their texts need, the name column the rest, and the dialog is wide enough for all four.
void fitDetailColumns(QFileDialog& dialog) {
    auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!list)
        return;
    QHeaderView* header = list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    dialog.resize(std::max(dialog.width(), 760), std::max(dialog.height(), 460));
}

// A message line wider than two thirds of the screen is cut there with "…": a message may quote
// a typed text of any length, and a box wider than the screen can be neither read nor closed. The
// caller keeps the whole text where it belongs.
QString FitToScreen(const QString& text, const QWidget* parent) {
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int width = screen ? screen->availableGeometry().width() * 2 / 3 : 800;
    const QFontMetrics metrics(QApplication::font("QMessageBox"));
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = ElideToWidth(line, metrics, width);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

DialogAnswer QtDialogs::messageDialog(const QString& text, DialogKind kind, DialogButtons buttons) {
    QMessageBox box(activeParent());
    box.setWindowTitle(QApplication::applicationName());
    box.setText(FitToScreen(text, box.parentWidget()));
    switch (kind) {
    case DialogKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case DialogKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case DialogKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case DialogKind::Confirmation:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (buttons) {
    case DialogButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case DialogButtons::Yes:
        box.setStandardButtons(QMessageBox::Yes);
        break;
    case DialogButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return DialogAnswer::Ok;
    case QMessageBox::Yes:
        return DialogAnswer::Yes;
    case QMessageBox::No:
        return DialogAnswer::No;
    default:
        return DialogAnswer::Cancel;
    }
}

void QtDialogs::showMessage(const QString& text) {
    QMessageBox box(activeParent());
    box.setWindowTitle(QApplication::applicationName());
    box.setText(FitToScreen(text, box.parentWidget()));
    box.exec();
}

QString QtDialogs::saveFileName(const SaveFileRequest& request) {
    QFileDialog dialog(activeParent(), request.title, QString(), request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    ShowFileListInProgramLocale(dialog);
    fitDetailColumns(dialog);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

DateTime SystemClock::now() const {
    const QDateTime t = QDateTime::currentDateTime();
    return DateTime{Date{t.date().year(), t.date().month(), t.date().day()}, t.time().hour(),
                    t.time().minute(), t.time().second()};
}

void QtClipboard::setText(const QString& text) {
    QApplication::clipboard()->setText(text);
}

QString QtClipboard::text() const {
    return QApplication::clipboard()->text();
}

void QtClipboard::setImage(const QImage& image) {
    QApplication::clipboard()->setImage(image);
}

QImage QtClipboard::image() const {
    return QApplication::clipboard()->image();
}

void QtWindowShower::showModal(QDialog& window) {
    window.exec();
}

void QtWindowShower::showModeless(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

void QtReportPreview::preview(Trpt& report) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, activeParent());
    dialog.setWindowTitle(QStringLiteral("預覽列印"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&report](QPrinter* target) { report.print(*target); });
    // A sensible size even where no window manager maximizes it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.resize(screen->availableGeometry().size() * 0.9);
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    dialog.exec();
}
