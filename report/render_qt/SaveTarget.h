// The save dialog of the preview: the user picks a file name and one of the
// formats a report can be saved in. The dialog opens in the documents folder,
// adds the format's extension and asks before overwriting an existing file.
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

class QWidget;

namespace tarvela {

enum class ReportFileFormat { Pdf, Html, Snapshot };

struct SaveTarget {
    QString path;
    ReportFileFormat format;
};

// The dialog's filters, in the order shown; the first is preselected.
QStringList saveFilters();
ReportFileFormat formatOfFilter(const QString& filter);

std::optional<SaveTarget> askSaveTarget(QWidget* parent);
// The open dialog for a saved page snapshot.
std::optional<QString> askSnapshotToOpen(QWidget* parent);

} // namespace tarvela
