// The decimal separator of the regional settings (platform/RegionalSettings)
// as the edits need it, and the mapping of a typed "," or "." to it.
#pragma once

#include <QChar>
#include <QString>

namespace tarvela {

QChar systemDecimalSeparator();

// "," and "." become the system's separator; other text is kept.
QString mapDecimalKey(const QString& typed);

} // namespace tarvela
