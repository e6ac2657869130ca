#include "report/render_qt/PageLayouts.h"

#include <QPageSize>
#include <QSizeF>

#include <algorithm>

namespace tarvela {

QPageLayout qtPageLayout(const Page& page)
{
    const QPageSize size(QSizeF(std::min(page.widthCm, page.heightCm) * 10, std::max(page.widthCm, page.heightCm) * 10),
                         QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    return QPageLayout(size, page.isLandscape() ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

} // namespace tarvela
