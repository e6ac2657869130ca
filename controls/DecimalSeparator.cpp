#include "controls/DecimalSeparator.h"

#include <QLocale>

namespace tarvela {

QChar systemDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar('.') : point.front();
}

QString mapDecimalKey(const QString& typed)
{
    if (typed == "," || typed == ".")
        return QString(systemDecimalSeparator());
    return typed;
}

} // namespace tarvela
