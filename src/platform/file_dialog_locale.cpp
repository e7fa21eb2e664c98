#include "platform/file_dialog_locale.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace {

// The columns of Qt's file list.
constexpr int SizeColumn = 1;
constexpr int ModifiedColumn = 3;

QString SizeText(const QLocale& locale, qint64 bytes) {
    // Qt has no Chinese word for a byte count; larger sizes take the units every desktop shows.
    if (bytes < 1024)
        return locale.toString(bytes) + QStringLiteral(" 位元組");
    return locale.formattedDataSize(bytes, 2, QLocale::DataSizeTraditionalFormat);
}

QString ModifiedText(const QLocale& locale, const QDateTime& time) {
    // The zh_TW pattern marks the time of day with the day-period letter "B", which Qt prints as a
    // bare "B" beside a 24-hour hour; its morning and afternoon words 上午/下午 are what a Taiwanese
    // desktop shows there.
    QString pattern = locale.dateTimeFormat(QLocale::ShortFormat);
    pattern.replace(QLatin1Char('B'), QStringLiteral("AP"));
    return locale.toString(time, pattern);
}

// Passes the file system model through, with the size and date cells written anew.
class ProgramLocaleColumns final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files || !index.isValid())
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        if (index.column() == SizeColumn && !files->isDir(source))
            return SizeText(QLocale(), files->size(source));
        if (index.column() == ModifiedColumn)
            return ModifiedText(QLocale(), files->lastModified(source));
        return QIdentityProxyModel::data(index, role);
    }
};

} // namespace

void ShowFileListInProgramLocale(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new ProgramLocaleColumns(&dialog));
}
