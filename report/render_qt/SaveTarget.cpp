#include "report/render_qt/SaveTarget.h"

#include <QFileDialog>

#include "platform/UserEnvironment.h"
#include "report/ReportTexts.h"

namespace tarvela {

namespace {

// "*.html;*.htm" becomes Qt's "(*.html *.htm)".
QString filterOf(const char* name, const char* pattern)
{
    return QString("%1 (%2)").arg(QString::fromUtf8(name), QString::fromUtf8(pattern).replace(';', ' '));
}

QString suffixOf(ReportFileFormat format)
{
    switch (format) {
    case ReportFileFormat::Pdf: return "pdf";
    case ReportFileFormat::Html: return "html";
    case ReportFileFormat::Snapshot: break;
    }
    return QString::fromUtf8(reporttext::kSnapshotPattern).mid(2);
}

// Where the exports go too: the user's documents folder.
QString documentsDirectory()
{
    return QString::fromStdString(documentsFolder());
}

} // namespace

QStringList saveFilters()
{
    return {filterOf(reporttext::kPdfFormatName, reporttext::kPdfPattern),
            filterOf(reporttext::kHtmlFormatName, reporttext::kHtmlPattern),
            filterOf(reporttext::kSnapshotFormatName, reporttext::kSnapshotPattern)};
}

ReportFileFormat formatOfFilter(const QString& filter)
{
    const QStringList filters = saveFilters();
    if (filter == filters[1])
        return ReportFileFormat::Html;
    if (filter == filters[2])
        return ReportFileFormat::Snapshot;
    return ReportFileFormat::Pdf;
}

std::optional<SaveTarget> askSaveTarget(QWidget* parent)
{
    QFileDialog dialog(parent, "Uložit report");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDirectory(documentsDirectory());
    dialog.setNameFilters(saveFilters());
    dialog.setDefaultSuffix(suffixOf(ReportFileFormat::Pdf));
    // The suffix must follow the filter before the dialog checks for an
    // existing file, so the overwrite question names the real file.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(suffixOf(formatOfFilter(filter)));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveTarget{dialog.selectedFiles().front(), formatOfFilter(dialog.selectedNameFilter())};
}

std::optional<QString> askSnapshotToOpen(QWidget* parent)
{
    const QString path = QFileDialog::getOpenFileName(
        parent, "Otevření jiného reportu", documentsDirectory(),
        filterOf(reporttext::kSnapshotFormatName, reporttext::kSnapshotPattern));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace tarvela
