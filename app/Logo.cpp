#include "app/Logo.h"

#include <QFileInfo>

#include "platform/Error.h"

namespace tarvela {

std::optional<QPixmap> loadLogo(const std::string& path)
{
    const QString file = QString::fromStdString(path);
    if (path.empty() || !QFileInfo(file).isFile())
        return std::nullopt;
    QPixmap logo;
    if (!logo.load(file))
        throw Error("Bitmap image is not valid");
    return logo;
}

} // namespace tarvela
