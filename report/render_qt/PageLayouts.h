// The Qt page layout of a page of the page model: A4 in its orientation, no
// margins, since the canvas measures every position from the paper's edge.
#pragma once

#include <QPageLayout>

#include "report/PageModel.h"

namespace tarvela {

QPageLayout qtPageLayout(const Page& page);

} // namespace tarvela
