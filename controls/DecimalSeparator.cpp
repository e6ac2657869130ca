#include "controls/DecimalSeparator.h"

#include "platform/RegionalSettings.h"

namespace tarvela {

QChar systemDecimalSeparator()
{
    return QChar::fromLatin1(decimalSeparator());
}

QString mapDecimalKey(const QString& typed)
{
    if (typed == "," || typed == ".")
        return QString(systemDecimalSeparator());
    return typed;
}

} // namespace tarvela
